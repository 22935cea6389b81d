#pragma once
// Appends little-endian fields to a configuration image of a fixed greatest size.
#include "gateway/ProjectFile.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdint>
#include <cstring>

class TBank_Writer {
public:
    explicit TBank_Writer(qsizetype capacity) : bytes_(capacity, Qt::Uninitialized) {}

    // Each call checks the room once; a write past the greatest size raises EProject_Error.
    void Number(uint64_t value, int width) { Put(Room(width), value, width); }
    // Appends each value in the width of bytes at its place in Widths, e.g. Fields<4, 2>(id, count).
    template <int... Widths, typename... Values>
    void Fields(Values... values)
    {
        static_assert(sizeof...(Widths) == sizeof...(Values));
        char* at = Room((Widths + ...));
        ((Put(at, uint64_t(values), Widths), at += Widths), ...);
    }
    void Bytes(const char* data, qsizetype count) { std::memcpy(Room(count), data, static_cast<size_t>(count)); }
    void Fill(char byte, qsizetype count) { std::memset(Room(count), byte, static_cast<size_t>(count)); }

    qsizetype Size() const { return size_; }
    // The bytes written so far.
    QByteArray Take()
    {
        bytes_.truncate(size_);
        return std::move(bytes_);
    }

private:
    static void Put(char* at, uint64_t value, int width)
    {
        switch (width) {
        case 1:
            *at = static_cast<char>(value);
            return;
        case 2:
            qToLittleEndian(static_cast<uint16_t>(value), at);
            return;
        case 4:
            qToLittleEndian(static_cast<uint32_t>(value), at);
            return;
        case 8:
            qToLittleEndian(value, at);
            return;
        default:
            for (int i = 0; i < width; ++i)
                at[i] = static_cast<char>(value >> (8 * i));
        }
    }
    char* Room(qsizetype count)
    {
        if (count > bytes_.size() - size_)
            throw EProject_Error(
                QStringLiteral("The project does not fit the configuration image (%1 bytes).").arg(bytes_.size()));
        char* at = bytes_.data() + size_;
        size_ += count;
        return at;
    }

    QByteArray bytes_;
    qsizetype size_ = 0;
};
