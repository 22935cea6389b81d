#pragma once
// Small animated GIFs made in memory: frames of one colour each, stored without compression
// (a clear code before every pixel keeps the code width at 3 bits).
#include <QByteArray>

#include <vector>

namespace giffixture {

struct Frame {
    int left, top, width, height;
    int colour;  // 0 black, 1 red, 2 green, 3 blue
    int delay;   // hundredths of a second
};

inline void put16(QByteArray& out, int value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

inline QByteArray pixels(int count, int colour)
{
    QByteArray packed;
    unsigned bits = 0;
    int used = 0;
    const auto code = [&](unsigned c) {
        bits |= c << used;
        used += 3;
        while (used >= 8) {
            packed += char(bits & 0xFF);
            bits >>= 8;
            used -= 8;
        }
    };
    for (int i = 0; i < count; ++i) {
        code(4);  // clear
        code(unsigned(colour));
    }
    code(5);  // end
    if (used > 0)
        packed += char(bits & 0xFF);
    QByteArray blocks;
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray part = packed.mid(at, 255);
        blocks += char(part.size());
        blocks += part;
    }
    return blocks + char(0);
}

inline QByteArray make(int screenWidth, int screenHeight, const std::vector<Frame>& frames)
{
    QByteArray gif("GIF89a");
    put16(gif, screenWidth);
    put16(gif, screenHeight);
    gif += char(0x81);  // a global table of 4 colours
    gif += char(0);
    gif += char(0);
    gif += QByteArray::fromHex("000000FF000000FF000000FF");
    for (const Frame& f : frames) {
        gif += QByteArray::fromHex("21F904");
        gif += char(0x04);  // disposal: back to the background
        put16(gif, f.delay);
        gif += char(0);
        gif += char(0);
        gif += char(0x2C);
        put16(gif, f.left);
        put16(gif, f.top);
        put16(gif, f.width);
        put16(gif, f.height);
        gif += char(0);
        gif += char(2);  // code size
        gif += pixels(f.width * f.height, f.colour);
    }
    return gif + char(0x3B);
}

}  // namespace giffixture
