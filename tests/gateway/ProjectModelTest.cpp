#include "gateway/ProjectModel.h"

#include "ProjectFixture.h"
#include "gateway/ProjectFile.h"

namespace {

class ProjectModel : public ProjectFixture {};

TEST_F(ProjectModel, MissingFilesReadAsNoValue)
{
    const TProject_Model model = Read_Project_Model();
    EXPECT_FALSE(model.ParGen);
    EXPECT_FALSE(model.DNet);
    EXPECT_FALSE(model.DefOff);
    EXPECT_FALSE(model.EtherCAT_Slave);
}

TEST_F(ProjectModel, WrittenFilesReadBackTheSame)
{
    TParGen_File parGen;
    parGen[pg_Eth_Conn_Device_Name] = QStringLiteral(" gw <1> & \"co\" ");
    parGen[pg_EtherCAT_Slave_Name] = QString();
    parGen[pg_EtherCAT_Slave_Vendor_ID] = QStringLiteral("$A4E");
    Write_ParGen_File(File_ParGen, parGen);

    TEtherCAT_Slave_Row full{QStringLiteral("Y"),           QStringLiteral("String"), QStringLiteral("10"),
                             QString::fromUtf8("\xC3\xA9"), QStringLiteral("1,5"),    QStringLiteral("0"),
                             QStringLiteral("0"),           QStringLiteral("m")};
    TEtherCAT_Slave_Row output = full;
    output.InitValue.reset();
    Write_EtherCAT_Slave_File(File_EtherCAT_Slave, {TEtherCAT_Slave_Variables{TEtherCAT_Slave_Table{full, {}},
                                                                              TEtherCAT_Slave_Table{output}}});

    const TDNet_File net{{{QStringLiteral("5"), QStringLiteral("4"), QStringLiteral("0"), QStringLiteral("slave"),
                           QStringLiteral("Y"), std::nullopt}}};
    Write_DNet_File(File_DNETM_Net, net);
    const TDefOff_File offsets{
        {{std::vector<TDefOff_Byte>{{QStringLiteral("12"), QString()}, {QStringLiteral("None"), QStringLiteral("b")}},
          std::vector<TDefOff_Byte>{}}}};
    Write_DefOff_File(File_DNETM_DefOff, offsets);

    const TProject_Model model = Read_Project_Model();
    EXPECT_EQ(model.ParGen, parGen);
    ASSERT_TRUE(model.EtherCAT_Slave && model.EtherCAT_Slave->Variables);
    EXPECT_EQ(model.EtherCAT_Slave->Variables->Slave_To_Master, (TEtherCAT_Slave_Table{full, {}}));
    EXPECT_EQ(model.EtherCAT_Slave->Variables->Master_To_Slave, TEtherCAT_Slave_Table{output});
    EXPECT_EQ(model.DNet, net);
    EXPECT_EQ(model.DefOff, offsets);

    // The shape the editors write: the version comment after the root, attributes in column order.
    EXPECT_EQ(Read(File_DNETM_Net),
              "<DNET_Net><row ID=\"5\" NB_IN=\"4\" NB_OUT=\"0\" Mnemonic=\"slave\" Reset_DeviceNet=\"Y\"/></DNET_Net>"
              "<!--SW_VERSION = 1.000-->");
    EXPECT_TRUE(Read(File_ParGen)
                    .startsWith("<Par_Gen><Eth_Conn_Device_Name> gw &lt;1&gt; &amp; \"co\" </Eth_Conn_Device_Name>"
                                "<EtherCAT_Slave_Name/><EtherCAT_Slave_Vendor_ID>"));
}

TEST_F(ProjectModel, ManyRowsOfRepeatedAndDistinctValuesReadBackExactly)
{
    // More distinct values than a reader could keep apart by their first bytes or a small table, mixed
    // with values that repeat from row to row.
    std::vector<TDefOff_Byte> in;
    std::vector<TDefOff_Byte> out;
    for (int k = 0; k < 3000; ++k) {
        in.push_back({QString::number(k * 7919 % 4093), k % 3 ? QString() : QStringLiteral("m%1").arg(k % 5)});
        out.push_back({QString::number(k % 11), QString::fromUtf8("\xC3\xA9") + QString::number(k)});
    }
    const TDefOff_File offsets{{{in, out}, {out, in}}};
    Write_DefOff_File(File_DNETM_DefOff, offsets);
    EXPECT_EQ(Read_DefOff_File(File_DNETM_DefOff), offsets);
}

TEST_F(ProjectModel, FilesAreReadAsTheyStand)
{
    // Another root name; an element holding elements is no text; the first of two elements counts.
    Write(File_ParGen, QStringLiteral("<Root><Ethernet_IP4><b>1</b></Ethernet_IP4><Ethernet_IP3></Ethernet_IP3>"
                                      "<Ethernet_IP2>7</Ethernet_IP2><Ethernet_IP2>8</Ethernet_IP2></Root>"));
    Write(File_EtherCAT_Slave,
          QStringLiteral("<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Master_To_Slave>"
                         "<row Name=\"a\"/><!--c--><other Enable=\"Y\"/></EtherCAT_Master_To_Slave>"
                         "</EtherCAT_Slave_Variables></EtherCAT_Slave>"));
    Write(File_DNETM_DefOff, QStringLiteral("<Define_Offset><Nodo_DNET><ByteOUT><row/><row Mnemonic=\"m\" x=\"1\" "
                                            "Offset=\"3\"/></ByteOUT></Nodo_DNET><x/></Define_Offset>"));
    const TProject_Model model = Read_Project_Model();
    ASSERT_TRUE(model.ParGen);
    EXPECT_EQ((*model.ParGen)[pg_Ethernet_IP1 + 3], std::nullopt);
    EXPECT_EQ((*model.ParGen)[pg_Ethernet_IP1 + 2], QString());
    EXPECT_EQ((*model.ParGen)[pg_Ethernet_IP1 + 1], QStringLiteral("7"));
    EXPECT_EQ((*model.ParGen)[pg_Ethernet_IP1], std::nullopt);

    const TEtherCAT_Slave_Variables& variables = *model.EtherCAT_Slave->Variables;
    EXPECT_FALSE(variables.Slave_To_Master);
    ASSERT_EQ(variables.Master_To_Slave->size(), 2u) << "rows are the child elements, whatever their name";
    EXPECT_EQ((*variables.Master_To_Slave)[0].Name, QStringLiteral("a"));
    EXPECT_EQ((*variables.Master_To_Slave)[0].Enable, std::nullopt);
    EXPECT_EQ((*variables.Master_To_Slave)[1].Enable, QStringLiteral("Y"));

    ASSERT_EQ(model.DefOff->Nodes.size(), 2u);
    EXPECT_FALSE(model.DefOff->Nodes[0].Byte_In);
    EXPECT_EQ(model.DefOff->Nodes[0].Byte_Out,
              (std::vector<TDefOff_Byte>{TDefOff_Byte{}, TDefOff_Byte{QStringLiteral("3"), QStringLiteral("m")}}))
        << "attributes in any order, unknown ones skipped";
    EXPECT_FALSE(model.DefOff->Nodes[1].Byte_Out);
}

TEST_F(ProjectModel, MalformedFileNamesItself)
{
    Write(File_DNETM_DefOff, QStringLiteral("<Define_Offset><Nodo_DNET></Define_Offset>"));
    try {
        Read_Project_Model();
        ADD_FAILURE() << "a malformed file was read";
    } catch (const EProject_Error& e) {
        EXPECT_TRUE(e.Message().startsWith(QStringLiteral("DNETM_DefOff.xml: "))) << e.what();
    }
    EXPECT_THROW(Write_DNet_File(Path_Project + QStringLiteral("/missing/DNETM_Net.xml"), {}), EProject_Error);
}

}  // namespace
