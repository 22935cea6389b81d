// Fuzz target of the project-file readers and their consumers: the first byte chooses the file
// (ParGen.xml, DNETM_Net.xml, DNETM_DefOff.xml, EtherCAT_Slave.xml), the rest is its content. Reading,
// compiling the images and building the ESI file must either succeed or refuse with EProject_Error.
#include "gateway/ProjectFile.h"
#include "gateway/ProjectModel.h"
#include "gateway/UEtherCAT_ESI_File.h"
#include "gateway/USaveBincc.h"
#include "shell/UComon.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

QTemporaryDir& Project_Folder()
{
    static QTemporaryDir dir;
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    if (Path_Project != Project_Folder().path()) {
        Path_Project = Project_Folder().path();
        Set_Files();
    }
    const QString* const files[] = {&File_ParGen, &File_DNETM_Net, &File_DNETM_DefOff, &File_EtherCAT_Slave};
    for (const QString* file : files)
        QFile::remove(*file);
    QFile file(*files[data[0] % 4]);
    if (!file.open(QIODevice::WriteOnly))
        return 0;
    file.write(reinterpret_cast<const char*>(data + 1), static_cast<qint64>(size - 1));
    file.close();
    try {
        TSaveBincc::Compile_Bank_Files(Read_Project_Model());
    } catch (const EProject_Error&) {}
    try {
        TEtherCAT_ESI_File().Build_ESI_File(Path_Project + QStringLiteral("/device.xml"));
    } catch (const EProject_Error&) {}
    return 0;
}
