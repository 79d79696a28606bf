#pragma once
#include "platform/FileDialogs.h"

#include <QStringList>

namespace sorvat::test {

// Answers file dialogs from a script (an empty answer is a cancel) and
// counts the questions. Installed for its lifetime.
class ScriptedFileDialogs final : public FileDialogService {
public:
    ScriptedFileDialogs() : m_previous(SetFileDialogService(this)) {}
    ~ScriptedFileDialogs() override { SetFileDialogService(m_previous); }
    ScriptedFileDialogs(const ScriptedFileDialogs&) = delete;
    ScriptedFileDialogs& operator=(const ScriptedFileDialogs&) = delete;

    void Answer(const QString& path) { m_answers.append(path); }
    int OpenQuestions() const { return m_openQuestions; }
    int SaveQuestions() const { return m_saveQuestions; }

    QString GetOpenFileName(QWidget*, const QString&, const QString&) override {
        ++m_openQuestions;
        return Next();
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString&) override {
        ++m_saveQuestions;
        return Next();
    }

private:
    QString Next() { return m_answers.isEmpty() ? QString() : m_answers.takeFirst(); }

    FileDialogService* m_previous;
    QStringList m_answers;
    int m_openQuestions = 0;
    int m_saveQuestions = 0;
};

} // namespace sorvat::test
