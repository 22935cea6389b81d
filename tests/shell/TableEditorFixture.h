#pragma once
// The harness of the table editor tests: a temporary project folder made current, the built-in English
// texts, the editor created once as at start-up, and its showings run without a person. Message boxes
// are recorded and answered from Boxes (queue answers there before the showing).
#include "shell/UComon.h"
#include "shell/ULanguage.h"
#include "support/TestSeams.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <memory>

template <class Editor>
class TableEditorTest : public ::testing::Test {
public:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        Path_Project = dir_.path();
        Set_Files();
        Load_Default_Language();
        form_ = std::make_unique<Editor>(nullptr);
        form_->DoCreate();
    }
    void TearDown() override
    {
        form_.reset();
        Path_Project.clear();
        Set_Files();
    }

    // One showing: the editor is reset and loaded, act runs on it, and the showing ends with its modal
    // result (act presses OK or Cancel; when it doesn't, the showing ends as by Cancel).
    TModalResult Show(const std::function<void(Editor&)>& act = {})
    {
        const ModalRunGuard guard([&](TCustomForm&) {
            if (act)
                act(*form_);
            return form_->ModalResult() == mrNone ? mrCancel : form_->ModalResult();
        });
        return form_->ShowModal();
    }
    // Presses OK in a showing and gives the texts of the boxes shown.
    QStringList Press_OK(Editor& f)
    {
        const size_t before = Boxes.Shown.size();
        f.Btn_OK->Click();
        QStringList texts;
        for (size_t i = before; i < Boxes.Shown.size(); ++i)
            texts << Boxes.Shown[i].Text;
        return texts;
    }

    static void Write(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    MessageBoxRecorder Boxes;
    std::unique_ptr<Editor> form_;
};
