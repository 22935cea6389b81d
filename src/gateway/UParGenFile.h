#pragma once
// The general parameters editor's view of ParGen.xml: its keys, their defaults, and the checks they
// must pass before they are written.
#include "gateway/ProjectModel.h"

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// How a key's value is kept: the text of an edit, a check box as "1" / "0", a list's selected index.
enum class TParGen_Kind { Text, Check, Index };

// A key of the editor: how its control keeps it, and its value when the file or the element is
// missing.
struct TParGen_Key_Info {
    TParGen_Kind Kind;
    const char* Default;
};

const TParGen_Key_Info& ParGen_Key_Info(int key);

// The stored value of every key, as written to the file: texts unchanged, "1" / "0", an index in
// decimal ("-1" for no selection).
using TParGen_Values = std::array<QString, ParGen_Editor_Key_Count>;

// Items of the DeviceNet baud rate list.
inline constexpr int ParGen_Baudrate_Count = 3;

TParGen_Values ParGen_Defaults();

// The editor's values of the file, each missing or unreadable key at its default; a missing file
// gives the defaults. A file that can't be read or parsed raises EProject_Error.
TParGen_Values Read_ParGen(const QString& path);

// Writes the file anew with the editor's keys in order; raises EProject_Error when it can't be written.
void Write_ParGen(const QString& path, const TParGen_Values& values);

// A number as the checks read it: leading blanks, an optional sign, then decimal digits or a
// hexadecimal number after "$", "0x" or "x"; -1 for any other text.
int64_t ParGen_Number(const QString& text);

// The text number of the first check that fails, in check order; no value when all pass.
std::optional<int> ParGen_Check(const TParGen_Values& values);
