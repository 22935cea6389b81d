#pragma once
// A rich edit: a multi-line edit that keeps character formats (font, size, bold, italic, underline,
// strike-out, colour, raised and lowered text) and reads and writes its document as RTF.
#include <QByteArray>

#include "platform/StdCtrls.h"

class QTextEdit;

class TCustomRichEdit : public TCustomEdit {
public:
    explicit TCustomRichEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomRichEdit"); }
    void WndProc(TMessage& Message) override;

    // The document as RTF; an empty document still gives the RTF of one empty paragraph.
    QByteArray SaveToRtf() const;
    // A stream that is not RTF loads as plain Latin-1 text.
    void LoadFromRtf(const QByteArray& Rtf);
    // The offset of the selected characters above (positive) or below the base line, in twips: 0 normal,
    // +40 superscript, -40 subscript.
    int SelOffset() const;
    void SetSelOffset(int Twips);
    void SetSelBold(bool Bold);
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool v) { hideSelection_ = v; }
    // After the caret or the selected range moved, by the user or by code.
    TNotifyEvent OnSelectionChange;
    using TCustomEdit::SelectAll;
    using TCustomEdit::SelLength;
    using TCustomEdit::SelStart;
    using TCustomEdit::SetSelLength;
    using TCustomEdit::SetSelStart;

protected:
    QString GetText() const override;
    void SetTextValue(const QString& text) override;
    void GetSelection(int& from, int& to) const override;
    void SetSelection(int from, int to) override;

private:
    QTextEdit* edit() const;
    void selectionMoved();
    bool hideSelection_ = true;
    int selAnchor_ = 0;
    int selPosition_ = 0;
};

// The RTF codec of the rich edit, for a document's HTML-free exchange.
class QTextDocument;
QByteArray DocumentToRtf(const QTextDocument& Document);
void RtfToDocument(const QByteArray& Rtf, QTextDocument& Document);
