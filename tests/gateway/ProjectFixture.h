#pragma once
// A temporary project folder made current, with helpers to write its files and read its banks.
#include "shell/UComon.h"

#include <gtest/gtest.h>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>

class ProjectFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Path_Project = dir_.path();
        Set_Files();
        QDir(dir_.path()).mkdir(QStringLiteral("bin"));
    }
    void TearDown() override
    {
        Path_Project.clear();
        Set_Files();
    }

    static void Write(const QString& path, const QString& xml)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(xml.toUtf8());
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString Bank(int n) const { return dir_.path() + QStringLiteral("/bin/bank%1.bin").arg(n); }

    static uint32_t U16(const QByteArray& bytes, int offset)
    {
        return uint8_t(bytes.at(offset)) | uint32_t(uint8_t(bytes.at(offset + 1))) << 8;
    }
    static uint32_t U32(const QByteArray& bytes, int offset)
    {
        return U16(bytes, offset) | U16(bytes, offset + 2) << 16;
    }
    static QByteArray Hex(const QByteArray& bytes, int offset, int count)
    {
        return bytes.mid(offset, count).toHex(' ');
    }

    QTemporaryDir dir_;
};
