#include "platform/Dialogs.h"

#include "platform/Forms.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <array>

namespace {

struct ButtonInfo {
    TMsgDlgBtn button;
    QMessageBox::StandardButton standard;
    TModalResult result;
};

constexpr std::array buttonTable{
    ButtonInfo{mbYes, QMessageBox::Yes, mrYes},
    ButtonInfo{mbNo, QMessageBox::No, mrNo},
    ButtonInfo{mbOK, QMessageBox::Ok, mrOk},
    ButtonInfo{mbCancel, QMessageBox::Cancel, mrCancel},
    ButtonInfo{mbAbort, QMessageBox::Abort, mrAbort},
    ButtonInfo{mbRetry, QMessageBox::Retry, mrRetry},
    ButtonInfo{mbIgnore, QMessageBox::Ignore, mrIgnore},
    ButtonInfo{mbAll, QMessageBox::YesToAll, mrAll},
    ButtonInfo{mbNoToAll, QMessageBox::NoToAll, mrNoToAll},
    ButtonInfo{mbYesToAll, QMessageBox::YesToAll, mrYesToAll},
    ButtonInfo{mbHelp, QMessageBox::Help, mrHelp},
    ButtonInfo{mbClose, QMessageBox::Close, mrClose},
};

QString kindCaption(TMsgDlgType kind)
{
    switch (kind) {
    case mtWarning:
        return QStringLiteral("Warning");
    case mtError:
        return QStringLiteral("Error");
    case mtInformation:
        return QStringLiteral("Information");
    case mtConfirmation:
        return QStringLiteral("Confirmation");
    default:
        return Application->Title;
    }
}

// The answer when the box is closed without a button.
TModalResult escapeResult(TMsgDlgButtons buttons)
{
    if (buttons & mbCancel)
        return mrCancel;
    if (buttons & mbNo)
        return mrNo;
    if (buttons & mbOK)
        return mrOk;
    for (const auto& b : buttonTable)
        if (buttons & b.button)
            return b.result;
    return mrCancel;
}

// Nobody can answer a window on the headless platform.
bool headless()
{
    return QGuiApplication::platformName() == QLatin1String("offscreen");
}

TModalResult showBox(const TMessageBoxRequest& request)
{
    if (const auto& hook = MessageBoxHook())
        return hook(request);
    if (headless()) {
        qWarning("Unanswered message box: %s", qUtf8Printable(request.Text));
        return escapeResult(request.Buttons);
    }
    QMessageBox box;
    box.setWindowTitle(request.Caption);
    box.setText(request.Text);
    switch (request.Kind) {
    case mtWarning:
        box.setIcon(QMessageBox::Warning);
        break;
    case mtError:
        box.setIcon(QMessageBox::Critical);
        break;
    case mtInformation:
        box.setIcon(QMessageBox::Information);
        break;
    case mtConfirmation:
        box.setIcon(QMessageBox::Question);
        break;
    default:
        break;
    }
    std::vector<std::pair<QAbstractButton*, TModalResult>> buttons;
    for (const auto& b : buttonTable)
        if (request.Buttons & b.button)
            buttons.emplace_back(box.addButton(b.standard), b.result);
    if (buttons.empty())
        buttons.emplace_back(box.addButton(QMessageBox::Ok), mrOk);
    box.exec();
    for (const auto& [button, result] : buttons)
        if (box.clickedButton() == button)
            return result;
    return escapeResult(request.Buttons);
}

}  // namespace

TMessageBoxHook& MessageBoxHook()
{
    static TMessageBoxHook hook;
    return hook;
}

TFileDialogHook& FileDialogHook()
{
    static TFileDialogHook hook;
    return hook;
}

TModalResult MessageDlg(const QString& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx)
{
    (void)HelpCtx;
    return showBox({DlgType, kindCaption(DlgType), Msg, Buttons});
}

void ShowMessage(const QString& Msg)
{
    showBox({mtCustom, Application->Title, Msg, mbOK});
}

namespace {

// The patterns of a list separated by semicolons, commas or blanks, in a case-blind order.
QStringList patternSet(const QString& list)
{
    static const QRegularExpression separators(QStringLiteral("[;,\\s]+"));
    QStringList patterns = list.toLower().split(separators, Qt::SkipEmptyParts);
    patterns.sort();
    patterns.removeDuplicates();
    return patterns;
}

// The description already ends with its patterns in brackets, as "Text (*.txt)" does.
bool showsPatterns(const QString& description, const QString& patterns)
{
    static const QRegularExpression shown(QStringLiteral("\\(([^()]*)\\)\\s*$"));
    const QRegularExpressionMatch m = shown.match(description);
    return m.hasMatch() && patternSet(m.captured(1)) == patternSet(patterns);
}

}  // namespace

QStringList FilterToNameFilters(const QString& filter)
{
    QStringList out;
    const QStringList parts = filter.split(u'|');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (showsPatterns(parts[i], parts[i + 1])) {
            out << parts[i];
            continue;
        }
        const QString patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts).join(u' ');
        out << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return out;
}

QString AddDefaultExt(const QString& fileName, const QString& defaultExt)
{
    QString ext = defaultExt;
    while (ext.startsWith(u'*') || ext.startsWith(u'.'))
        ext.remove(0, 1);
    if (ext.isEmpty() || fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty())
        return fileName;
    return fileName + u'.' + ext;
}

bool TOpenDialog::run(bool save)
{
    const TFileDialogRequest request{save, Title, Filter, DefaultExt, InitialDir, FileName};
    std::optional<QString> chosen;
    if (const auto& hook = FileDialogHook()) {
        chosen = hook(request);
    } else if (headless()) {
        qWarning("Unanswered file dialog: %s", qUtf8Printable(Title));
    } else {
        QFileDialog dialog(nullptr, Title, InitialDir);
        dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (save && !(Options & ofOverwritePrompt))
            dialog.setOption(QFileDialog::DontConfirmOverwrite);
        const QStringList filters = FilterToNameFilters(Filter);
        dialog.setNameFilters(filters);
        if (FilterIndex >= 1 && FilterIndex <= filters.size())
            dialog.selectNameFilter(filters[FilterIndex - 1]);
        if (!FileName.isEmpty())
            dialog.selectFile(FileName);
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().constFirst();
    }
    if (!chosen || chosen->isEmpty())
        return false;
    FileName = QDir::toNativeSeparators(AddDefaultExt(*chosen, DefaultExt));
    return true;
}

TMessageBeepHook& MessageBeepHook()
{
    static TMessageBeepHook hook;
    return hook;
}

void MessageBeep(UINT kind)
{
    if (const auto& hook = MessageBeepHook()) {
        hook(kind);
        return;
    }
    QApplication::beep();
}
