#pragma once
// Reading the project's XML files: the shared number parsers, loading, and the error that stops an
// operation before it writes anything.
#include "platform/SysUtils.h"

#include <QChar>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <optional>

// A project file that is malformed, incomplete or refused; its message is shown to the user.
class EProject_Error : public Exception {
public:
    using Exception::Exception;
};

// An integer as the project files hold it: decimal, or hexadecimal after "$", "x" or "0x", with an
// optional sign and leading blanks; 64-bit. Empty when the text is not such a number.
std::optional<int64_t> Parse_Project_Number(const QString& text);

// The number, or fallback when the text is not one.
int64_t Project_Number_Or(const QString& text, int64_t fallback);

// A real number written with the given decimal separator (blanks around it allowed).
std::optional<double> Parse_Project_Real(const QString& text, QChar decimalSeparator);

class XmlDocument;
class XmlElementTree;
class XmlNode;

// Loads a project file, as a document or as the elements of its tables. False when the file does not
// exist; a file that can't be read or parsed raises EProject_Error.
bool Load_Project_File(XmlDocument& doc, const QString& path);
bool Load_Project_File(XmlElementTree& tree, const QString& path);

// The root element of a loaded project file.
XmlNode Project_Root(const XmlDocument& doc, const QString& path);
std::ptrdiff_t Project_Root(const XmlElementTree& tree, const QString& path);
