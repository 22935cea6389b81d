#include "gateway/UBoot.h"

#include "platform/XmlDocument.h"
#include "shell/UComon.h"

namespace {

// What differs between the transfers of one update.
struct TTransfer {
    QString FileName;
    QString Start_Address;
    QString Bank_Type;
    QString Write_CSS;
    QString GoToApp_After;
};

void Add(XmlNode parent, const QString& name, const QString& text)
{
    parent.AppendElement(name).SetText(text);
}

void Add_Operation(XmlNode operations, const TTransfer& transfer, bool readBack)
{
    XmlNode op = operations.AppendElement(QStringLiteral("Operation"));
    Add(op, QStringLiteral("Ope_Protection_Enabled"), {});
    Add(op, QStringLiteral("Ope_GoToBoot_Before"), QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_GoToApp_Before"), QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_IP_Address"), {});
    Add(op, QStringLiteral("Ope_Port"), QStringLiteral("2008"));
    Add(op, QStringLiteral("Ope_Port_Sec"), QStringLiteral("2007"));
    Add(op, QStringLiteral("Ope_Erase_Memory"), QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_FileName"), transfer.FileName);
    Add(op, QStringLiteral("Ope_Start_Address"), transfer.Start_Address);
    Add(op, QStringLiteral("Ope_Memory_Type"), QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_Bank_Type"), transfer.Bank_Type);
    Add(op, QStringLiteral("Ope_Read_Back"), readBack ? QStringLiteral("1") : QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_Write_CSS"), transfer.Write_CSS);
    Add(op, QStringLiteral("Ope_Address_CSS"), QStringLiteral("0x07A00"));
    Add(op, QStringLiteral("Ope_Command_CSS"), QStringLiteral("0x02"));
    Add(op, QStringLiteral("Ope_Write_Internal_Data"), QStringLiteral("0"));
    Add(op, QStringLiteral("Ope_WID_Address"), QStringLiteral("0x07810"));
    Add(op, QStringLiteral("Ope_WID_Command"), QStringLiteral("0x02"));
    Add(op, QStringLiteral("Ope_WID_Data"), QStringLiteral("0x00, 0x00, 0x00, 0x01"));
    Add(op, QStringLiteral("Ope_GoToApp_After"), transfer.GoToApp_After);
}

std::vector<TTransfer> Transfers(int operation)
{
    const TTransfer firmware{Path_Master + QStringLiteral("/SimGX59.sim"), QStringLiteral("0x8000"),
                             QStringLiteral("1"), QStringLiteral("1"),
                             operation == Update_Firmware ? QStringLiteral("1") : QStringLiteral("0")};
    const TTransfer bank1{Path_Project + QStringLiteral("/bin/bank1.bin"), QStringLiteral("0x07000"),
                          QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0")};
    const TTransfer bank2{Path_Project + QStringLiteral("/bin/bank2.bin"), QStringLiteral("0x80000"),
                          QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("1")};
    switch (operation) {
    case Update_Firmware:
        return {firmware};
    case Update_Configuration:
        return {bank1, bank2};
    default:
        return {firmware, bank1, bank2};
    }
}

}  // namespace

void Build_Update_Parameters(XmlDocument& doc, const QString& address, int operation, bool readBack)
{
    doc.Clear();
    XmlNode root = doc.Node().AppendElement(QStringLiteral("Ethernet_Update"));
    Add(root, QStringLiteral("Version"), QStringLiteral("1000"));
    Add(root, QStringLiteral("Title"), QStringLiteral("Orvane - GXS59 Ethernet Update"));
    Add(root, QStringLiteral("IP_Address_Dev"), address);
    Add(root, QStringLiteral("Application_Port"), QStringLiteral("10000"));
    Add(root, QStringLiteral("Boot_Port"), QStringLiteral("2008"));
    Add(root, QStringLiteral("Boot_Port_Sec"), QStringLiteral("2007"));
    Add(root, QStringLiteral("Address_Protection"), QStringLiteral("0x07800"));
    Add(root.AppendElement(QStringLiteral("Protections")), QStringLiteral("Protection"), QStringLiteral("0x3C5"));
    XmlNode operations = root.AppendElement(QStringLiteral("Operations"));
    for (const TTransfer& transfer : Transfers(operation))
        Add_Operation(operations, transfer, readBack);
}
