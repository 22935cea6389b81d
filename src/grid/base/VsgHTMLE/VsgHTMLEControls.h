#pragma once
// Form controls written in cell text as <CONTROL TYPE="..." ID="..." VALUE="..." WIDTH="..."> tags:
// check boxes, radio buttons, edits, combo boxes and buttons. A control's state lives in its tag.
#include <QString>

struct TControlTagValues {
    QString Type;  // upper case: CHECK, RADIO, EDIT, PASSWORD, MASK, COMBO or BUTTON
    QString ID;
    QString Value;  // unescaped
    QString Width;
    QString Height;
    QString Prop;  // unescaped
    QString MaxLen;
};

// The attributes of one tag's text (after its "<" up to its ">").
TControlTagValues ParseControlTag(const QString& attributes);
bool HasControlTag(const QString& text);
// The value of the first control with that ID (letter case counts); false, value untouched, when none.
bool GetControlValueByID(const QString& text, const QString& id, QString& value);
QString GetControlPropByID(const QString& text, const QString& id);
// The leading digits of its MAXLEN; 0 when none.
int GetControlMaxLenByID(const QString& text, const QString& id);
// Rewrites the first control with that ID with a new value; false, text unchanged, when none.
bool SetControlValueByID(QString& text, const QString& id, const QString& value);
// The ID of the first control after the one with that ID (the first of all for an empty ID) that
// is not a button, check box or radio button; empty when none.
QString NextEditControlID(const QString& text, const QString& id);
// Every radio button of the text cleared.
QString ClearRadioControls(const QString& text);
// One "*" per character.
QString MaskPassword(const QString& text);
