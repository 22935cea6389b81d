// Compiling the configuration image and writing the ESI file of a maximal project, beside a plain
// parse of the same project files.
#include "gateway/ProjectModel.h"
#include "gateway/UEtherCAT_ESI_File.h"
#include "gateway/USaveBincc.h"
#include "platform/XmlDocument.h"
#include "shell/UComon.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace {

void Write(const QString& path, const QString& xml)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(xml.toUtf8());
}

// 64 slaves of 24 input and 24 output bytes, every byte mapped (1536 entries per map), and 256
// named variables per direction.
class MaximalProject {
public:
    MaximalProject()
    {
        Path_Project = dir_.path();
        Set_Files();
        QDir(dir_.path()).mkdir(QStringLiteral("bin"));
        QString parGen = QStringLiteral("<Par_Gen>");
        for (const char* key : {"Eth_Conn_Device_Name", "EtherCAT_Slave_Name"})
            parGen += QStringLiteral("<%1>gateway</%1>").arg(QString::fromLatin1(key));
        for (const char* key :
             {"Eth_Conn_DHCP_Cable", "Eth_Conn_Enable_DNS", "Ethernet_EN_GAT", "EtherCAT_Slave_Revision_Number",
              "EtherCAT_Slave_Node_Address", "DNETM_ID_DEV", "DNETM_BAUDRATE"})
            parGen += QStringLiteral("<%1>1</%1>").arg(QString::fromLatin1(key));
        for (const char* key :
             {"Eth_Conn_Primary_DNS", "Eth_Conn_Secondary_DNS", "Ethernet_IP", "Ethernet_SM", "Ethernet_GAT"})
            for (int i = 1; i <= 4; ++i)
                parGen += QStringLiteral("<%1%2>%2</%1%2>").arg(QString::fromLatin1(key)).arg(i);
        Write(File_ParGen, parGen + QStringLiteral("</Par_Gen>"));

        QString net = QStringLiteral("<DNET_Net>");
        QString defOff = QStringLiteral("<Define_Offset>");
        for (int id = 0; id < 64; ++id) {
            net += QStringLiteral("<row ID=\"%1\" NB_IN=\"24\" NB_OUT=\"24\" Mnemonic=\"slave %1\"/>").arg(id);
            defOff += QStringLiteral("<Nodo_DNET>");
            for (const char* direction : {"ByteIN", "ByteOUT"}) {
                defOff += QStringLiteral("<%1>").arg(QString::fromLatin1(direction));
                for (int k = 0; k < 24; ++k)
                    defOff += QStringLiteral("<row Offset=\"%1\" Mnemonic=\"\"/>").arg((id * 24 + k) % 1440);
                defOff += QStringLiteral("</%1>").arg(QString::fromLatin1(direction));
            }
            defOff += QStringLiteral("</Nodo_DNET>");
        }
        Write(File_DNETM_Net, net + QStringLiteral("</DNET_Net>"));
        Write(File_DNETM_DefOff, defOff + QStringLiteral("</Define_Offset>"));

        static const char* const types[] = {"Bool", "Int16", "UInt32", "Float32", "String"};
        QString variables = QStringLiteral("<EtherCAT_Slave><EtherCAT_Slave_Variables>");
        for (const char* direction : {"EtherCAT_Slave_To_Master", "EtherCAT_Master_To_Slave"}) {
            variables += QStringLiteral("<%1>").arg(QString::fromLatin1(direction));
            for (int i = 0; i < 256; ++i)
                variables += QStringLiteral(
                                 "<row Enable=\"Y\" Type=\"%1\" Length=\"4\" Name=\"variable_%2\" "
                                 "InitValue=\"1\" Position=\"0\" BitStart=\"0\" Mnemonic=\"\"/>")
                                 .arg(QString::fromLatin1(types[i % 5]))
                                 .arg(i);
            variables += QStringLiteral("</%1>").arg(QString::fromLatin1(direction));
        }
        Write(File_EtherCAT_Slave, variables + QStringLiteral("</EtherCAT_Slave_Variables></EtherCAT_Slave>"));
    }
    QString Esi() const { return dir_.path() + QStringLiteral("/device.xml"); }

private:
    QTemporaryDir dir_;
};

MaximalProject& Project()
{
    static MaximalProject project;
    return project;
}

void Parse(benchmark::State& state, const std::vector<const QString*>& files)
{
    Project();
    for (auto _ : state)
        for (const QString* file : files) {
            pugi::xml_document doc;
            if (!doc.load_file(file->toLocal8Bit().constData()))
                state.SkipWithError("parse failed");
        }
}

void BM_Raw_Parse_Image_Files(benchmark::State& state)
{
    Parse(state, {&File_ParGen, &File_DNETM_Net, &File_DNETM_DefOff, &File_EtherCAT_Slave});
}
BENCHMARK(BM_Raw_Parse_Image_Files)->Unit(benchmark::kMicrosecond);

// The same files through the platform's XML document, as the compiler loads them.
void BM_Document_Load_Image_Files(benchmark::State& state)
{
    Project();
    for (auto _ : state)
        for (const QString* file : {&File_ParGen, &File_DNETM_Net, &File_DNETM_DefOff, &File_EtherCAT_Slave}) {
            XmlDocument doc;
            if (!doc.Load(*file))
                state.SkipWithError("load failed");
        }
}
BENCHMARK(BM_Document_Load_Image_Files)->Unit(benchmark::kMicrosecond);

// The typed project model alone, read from the same files.
void BM_Read_Project_Model(benchmark::State& state)
{
    Project();
    for (auto _ : state)
        benchmark::DoNotOptimize(Read_Project_Model());
}
BENCHMARK(BM_Read_Project_Model)->Unit(benchmark::kMicrosecond);

void BM_Compile_Bank_Files(benchmark::State& state)
{
    Project();
    for (auto _ : state)
        benchmark::DoNotOptimize(Create_Bin_Files());
}
BENCHMARK(BM_Compile_Bank_Files)->Unit(benchmark::kMicrosecond);

void BM_Compile_And_Save_Bank_Files(benchmark::State& state)
{
    Project();
    for (auto _ : state)
        Save_Bin_Files(Create_Bin_Files());
}
BENCHMARK(BM_Compile_And_Save_Bank_Files)->Unit(benchmark::kMicrosecond);

void BM_Raw_Parse_ESI_Files(benchmark::State& state)
{
    Parse(state, {&File_ParGen, &File_EtherCAT_Slave});
}
BENCHMARK(BM_Raw_Parse_ESI_Files)->Unit(benchmark::kMicrosecond);

void BM_Build_ESI_File(benchmark::State& state)
{
    const QString esi = Project().Esi();
    TEtherCAT_ESI_File writer;
    for (auto _ : state)
        writer.Build_ESI_File(esi);
}
BENCHMARK(BM_Build_ESI_File)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration, for the ratios printed after the run: the median when
// repeated (--benchmark_repetitions), which a busy machine disturbs less than one run.
class Ratio_Reporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            if (run.error_occurred)
                continue;
            if (run.run_type == Run::RT_Aggregate) {
                if (!name.ends_with("_median"))
                    continue;
                name.resize(name.size() - std::string_view("_median").size());
            }
            times_[name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void Print_Ratio(const char* what, const char* measured, const char* base, double goal) const
    {
        const auto m = times_.find(measured);
        const auto b = times_.find(base);
        if (m == times_.end() || b == times_.end() || b->second.first <= 0 || b->second.second <= 0)
            return;
        const double real = m->second.first / b->second.first;
        const double cpu = m->second.second / b->second.second;
        std::printf("%-40s real %6.2fx  cpu %6.2fx  (goal <= %.0fx) %s\n", what, real, cpu, goal,
                    real <= goal ? "ok" : "OVER");
    }

private:
    std::map<std::string, std::pair<double, double>> times_;  // real and CPU time per iteration
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    Ratio_Reporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    std::printf("\nSide by side with a plain parse of the same files:\n");
    reporter.Print_Ratio("compile / parse", "BM_Compile_Bank_Files", "BM_Raw_Parse_Image_Files", 3);
    reporter.Print_Ratio("compile and save both banks / parse", "BM_Compile_And_Save_Bank_Files",
                         "BM_Raw_Parse_Image_Files", 4);
    reporter.Print_Ratio("ESI file / parse of its two files", "BM_Build_ESI_File", "BM_Raw_Parse_ESI_Files", 5);
    benchmark::Shutdown();
    return 0;
}
