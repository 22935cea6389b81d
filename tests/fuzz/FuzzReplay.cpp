// Runs a fuzz target over every file of the folders given, for compilers without libFuzzer and as a
// test of the kept corpus. After the corpus, a fixed number of mutated inputs is run (bytes flipped,
// inserted, removed, truncated, pieces of two inputs spliced) from a fixed seed, so every run is the
// same and a failure can be replayed: `--mutations N` sets the count (default 2000), `--seed S` the seed.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

void Run(const QByteArray& bytes)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), static_cast<size_t>(bytes.size()));
}

// Bytes that matter to text formats; a random byte is picked from here half the time.
constexpr char kInteresting[] = "<>/=\"'&;#!?-[]\t\r\n 0123456789xX.%\\\x00\xff\x7f\x80";

char Pick_Byte(std::mt19937& random)
{
    if (random() % 2 == 0)
        return kInteresting[random() % (sizeof(kInteresting) - 1)];
    return static_cast<char>(random() % 256);
}

QByteArray Mutate(const std::vector<QByteArray>& corpus, std::mt19937& random)
{
    QByteArray bytes = corpus[random() % corpus.size()];
    const int edits = 1 + static_cast<int>(random() % 4);
    for (int e = 0; e < edits; ++e) {
        const qsizetype size = bytes.size();
        const qsizetype at = size > 0 ? static_cast<qsizetype>(random() % static_cast<unsigned>(size)) : 0;
        switch (random() % 6) {
        case 0:
            if (size > 0)
                bytes[at] = static_cast<char>(bytes[at] ^ (1 << (random() % 8)));
            break;
        case 1:
            bytes.insert(at, Pick_Byte(random));
            break;
        case 2:
            if (size > 0)
                bytes.remove(at, 1 + static_cast<qsizetype>(random() % 16));
            break;
        case 3:
            bytes.truncate(at);
            break;
        case 4:
            if (size > 0)
                bytes[at] = Pick_Byte(random);
            break;
        default: {
            const QByteArray& other = corpus[random() % corpus.size()];
            const qsizetype from = other.isEmpty() ? 0 : static_cast<qsizetype>(random() % other.size());
            bytes.insert(at, other.mid(from, 1 + static_cast<qsizetype>(random() % 64)));
            break;
        }
        }
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    long mutations = 2000;
    unsigned long seed = 1;
    std::vector<QByteArray> corpus;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--mutations") == 0 && i + 1 < argc) {
            mutations = std::strtol(argv[++i], nullptr, 10);
            continue;
        }
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            seed = std::strtoul(argv[++i], nullptr, 10);
            continue;
        }
        const QDir folder(QString::fromLocal8Bit(argv[i]));
        for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::printf("can't read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            corpus.push_back(file.readAll());
            Run(corpus.back());
        }
    }
    if (corpus.empty()) {
        std::printf("no input\n");
        return 1;
    }
    std::mt19937 random(static_cast<std::mt19937::result_type>(seed));
    for (long m = 0; m < mutations; ++m)
        Run(Mutate(corpus, random));
    std::printf("%zu corpus inputs and %ld mutations (seed %lu) passed\n", corpus.size(), mutations, seed);
    return 0;
}
