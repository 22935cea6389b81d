#pragma once
// The numbered user-interface texts and the language files that translate them.
#include <QString>
#include <functional>
#include "platform/Classes.h"

// Entry n is text number n in the current language; 5300 entries once loaded.
extern TStringList Lang_Text;
// Number of slots; set by Load_Default_Language.
extern int Max_Lang_Text;

// Refills Lang_Text with the built-in English texts (" " where no text is defined).
void Load_Default_Language();

// Overlays Lang_Text with the "STR<n> = <text>" lines of a language file. A file that cannot be
// read changes nothing.
void Load_Language_File(const QString& path);

// English, then the file of Language_Name in Path_Language; when that file is missing,
// Language_Name becomes "English" and an English file there, if any, is applied.
void Load_Language();

// Forms register their Set_Lang here; Change_Language calls them in registration order.
// The returned id removes the registration.
using TSetLangProc = std::function<void()>;
int Register_Set_Lang(TSetLangProc setLang);
void Unregister_Set_Lang(int id);
void Change_Language();
