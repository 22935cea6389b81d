#pragma once
// Integer lists bound to a cell, the sort column list and the line-by-line file list.
#include <QString>
#include <functional>
#include <vector>

#include "platform/Classes.h"

using TImageChangeEvent = std::function<void(TObject* Sender, int ACol, int ARow)>;

// 32-bit integers; Add, Delete and item writes report the owning cell through OnChange.
class TIntList : public TObject {
public:
    TIntList(int col = -1, int row = -1) : FCol(col), FRow(row) {}

    void Add(int value);
    void Insert(int index, int value);
    void Delete(int index);
    void DeleteValue(int value);
    bool HasValue(int value) const;
    int IndexOf(int value) const;
    int GetInteger(int index) const { return items_.at(index); }
    void SetInteger(int index, int value);
    int Count() const { return static_cast<int>(items_.size()); }
    void Clear() { items_.clear(); }

    // Items in decimal joined by ","; writing splits comma text and adds every item.
    QString StrValue() const;
    void SetStrValue(const QString& text);

    TImageChangeEvent OnChange;
    int FCol;
    int FRow;

private:
    void changed();
    std::vector<int> items_;
};

// Sort columns in priority order: bits 0-30 the column, bit 31 set for descending.
class TSortIndexList : public TIntList {
public:
    void AddIndex(int columnIndex, bool ascending);
    int FindIndex(int columnIndex) const;
    void ToggleIndex(int columnIndex);
    int GetSortColumns(int i) const;
    void SetSortColumns(int i, int value);
    bool GetSortDirections(int i) const;
    void SetSortDirections(int i, bool ascending);
    // "u2;d0": direction letter and column per item.
    QString SaveToString() const;
    void LoadFromString(const QString& text);
};

// A string list read and written line by line.
class TFileStringList : public TStringList {
public:
    void Reset();
    bool Eof() const { return fp >= Count(); }
    void ReadLn(QString& s);
    void Write(const QString& s) { cache += s; }
    void WriteLn(const QString& s);

private:
    int fp = 0;
    QString cache;
};
