#pragma once
// The settings file "Lattisor.xml" in Path_Program: last project, last gateway address, language and
// the four option flags of UComon.
#include <QString>

class XmlDocument;

QString Settings_File_Name();

// Reads the settings into UComon through the document; every value that can't be read (the whole
// file when it is missing, unreadable or malformed) takes its default. A project or language name
// that would lead out of its folder is not taken.
void Read_Setting(XmlDocument& XML1);

// Rebuilds the document from the current values and writes the file in place; false when it could
// not be written (the old file then stays).
bool Save_Setting(XmlDocument& XML1);
