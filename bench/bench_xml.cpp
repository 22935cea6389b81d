// Loading and reading a project table through the platform's XML document, beside plain pugixml doing
// the same with the same file in the same process. Prints the ratios at the end (of the medians with
// --benchmark_repetitions).
#include "platform/XmlDocument.h"

#include <benchmark/benchmark.h>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <map>
#include <pugixml.hpp>
#include <string>

namespace {

constexpr const char* Names[] = {"Enable", "Type", "Length", "Name", "InitValue", "Position", "BitStart", "Mnemonic"};

// 20,000 rows of eight attributes each, in two tables, and a block of text elements.
class TableFile {
public:
    TableFile()
    {
        QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<EtherCAT_Slave>\r\n<Par_Gen>";
        for (int i = 0; i < 200; ++i)
            xml += QByteArray("<Key_%1>value %1 &amp; more</Key_%1>").replace("%1", QByteArray::number(i));
        xml += "</Par_Gen>\r\n";
        for (const char* table : {"EtherCAT_Slave_To_Master", "EtherCAT_Master_To_Slave"}) {
            xml += QByteArray("<") + table + ">\r\n";
            for (int i = 0; i < 10000; ++i)
                xml += "  <row Enable=\"Y\" Type=\"UInt32\" Length=\"4\" Name=\"variable_" + QByteArray::number(i) +
                       "\" InitValue=\"" + QByteArray::number(i * 7) + "\" Position=\"" + QByteArray::number(i % 1440) +
                       "\" BitStart=\"0\" Mnemonic=\"m&#233; &lt;" + QByteArray::number(i) + "&gt;\"/>\r\n";
            xml += QByteArray("</") + table + ">\r\n";
        }
        xml += "</EtherCAT_Slave>\r\n";
        QFile file(Path());
        if (!file.open(QIODevice::WriteOnly) || file.write(xml) != xml.size())
            std::abort();
        local_ = Path().toLocal8Bit().toStdString();
    }
    QString Path() const { return dir_.filePath(QStringLiteral("table.xml")); }
    const char* LocalPath() const { return local_.c_str(); }

private:
    QTemporaryDir dir_;
    std::string local_;
};

const TableFile& File()
{
    static const TableFile file;
    return file;
}

void BM_Pugixml_Parse(benchmark::State& state)
{
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_file(File().LocalPath()))
            state.SkipWithError("parse failed");
    }
}
BENCHMARK(BM_Pugixml_Parse)->Unit(benchmark::kMicrosecond);

void BM_Document_Load(benchmark::State& state)
{
    for (auto _ : state) {
        XmlDocument doc;
        if (!doc.Load(File().Path()))
            state.SkipWithError("load failed");
    }
}
BENCHMARK(BM_Document_Load)->Unit(benchmark::kMicrosecond);

// Every attribute of every row and every text, as plain pugixml reads them.
void BM_Pugixml_Read(benchmark::State& state)
{
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_file(File().LocalPath()))
            state.SkipWithError("parse failed");
        size_t bytes = 0;
        for (pugi::xml_node table : doc.document_element().children()) {
            for (pugi::xml_node row : table.children())
                for (const char* name : Names)
                    bytes += std::char_traits<char>::length(row.attribute(name).value());
            for (pugi::xml_node key : table.children())
                bytes += std::char_traits<char>::length(key.text().get());
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_Pugixml_Read)->Unit(benchmark::kMicrosecond);

// The same through the document, with names and values as QString, as the project readers use them.
void BM_Document_Read(benchmark::State& state)
{
    std::vector<QString> names;
    for (const char* name : Names)
        names.push_back(QString::fromLatin1(name));
    for (auto _ : state) {
        XmlDocument doc;
        if (!doc.Load(File().Path()))
            state.SkipWithError("load failed");
        qsizetype chars = 0;
        for (XmlNode table : doc.Root().Elements()) {
            for (XmlNode row : table.Elements())
                for (const QString& name : names)
                    chars += row.Attribute(name).value_or(QString()).size();
            for (XmlNode key : table.Elements())
                chars += key.Text().size();
        }
        benchmark::DoNotOptimize(chars);
    }
}
BENCHMARK(BM_Document_Read)->Unit(benchmark::kMicrosecond);

// The same with the values left as the document holds them.
void BM_Document_Read_Utf8(benchmark::State& state)
{
    for (auto _ : state) {
        XmlDocument doc;
        if (!doc.Load(File().Path()))
            state.SkipWithError("load failed");
        size_t bytes = 0;
        for (XmlNode table : doc.Root().Elements()) {
            for (XmlNode row : table.Elements())
                for (const char* name : Names)
                    bytes += row.AttributeUtf8(name).value_or(std::string_view()).size();
            for (XmlNode key : table.Elements())
                bytes += key.Text().size();
        }
        benchmark::DoNotOptimize(bytes);
    }
}
BENCHMARK(BM_Document_Read_Utf8)->Unit(benchmark::kMicrosecond);

// Prints the runs as usual and keeps their times for the ratios: the median when repeated.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            std::string name = run.benchmark_name();
            if (run.run_type == Run::RT_Aggregate) {
                if (!name.ends_with("_median"))
                    continue;
                name.resize(name.size() - std::string_view("_median").size());
            }
            times_[name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatio(const std::string& name, const std::string& baseline) const
    {
        const auto time = times_.find(name);
        const auto base = times_.find(baseline);
        if (time != times_.end() && base != times_.end() && base->second > 0)
            std::printf("%-24s %5.2fx %s\n", name.c_str(), time->second / base->second, baseline.c_str());
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    File();
#ifdef __GLIBC__
    // Keep freed memory in the process: returning it and faulting it in again on the next load costs
    // more than the parse on a virtual machine, and would fall on whichever side frees last.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
#endif
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatio("BM_Document_Load", "BM_Pugixml_Parse");
    reporter.PrintRatio("BM_Document_Read", "BM_Pugixml_Read");
    reporter.PrintRatio("BM_Document_Read_Utf8", "BM_Pugixml_Read");
}
