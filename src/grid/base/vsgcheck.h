#pragma once
// The cell checker a grid may be linked to: it corrects cell texts and marks their errors.
// This base changes nothing; checkers that know words or rules derive from it.
#include <QString>

#include "platform/Components.h"

class VOroDavoduRuzuCheck : public TComponent {
public:
    explicit VOroDavoduRuzuCheck(TComponent* AOwner) : TComponent(AOwner) {}
    QString ClassName() const override { return QStringLiteral("VOroDavoduRuzuCheck"); }

    // The bulk check moves the current cell to each cell it checks, and back at the end.
    bool GotoCell = false;
    // After an edit: the new text is corrected before validation, and its errors marked after it.
    bool AutoCorrect = false;
    bool AutoMarkError = false;
    // The bulk check corrects and marks errors.
    bool UseCorrect = false;
    bool UseMarkError = false;

    // The text with its errors marked ("e" tags).
    virtual QString MarkError(int col, int row, const QString& text);
    virtual QString Correct(int col, int row, const QString& text);
    // Called before and after a bulk check.
    virtual void StartCheck() {}
    virtual void StopCheck() {}

    // One cell of a bulk check: the text without its old error marks, corrected and marked as the
    // Use flags say. The cell was correct when the result equals the text it had.
    QString CheckCell(int col, int row, const QString& text);
};
