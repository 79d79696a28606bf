#pragma once
#include "guisupport/InstalledService.h"
#include "platform/FileDialogs.h"

#include <QStringList>

namespace sorvat::test {

// Answers file dialogs from a script (an empty answer is a cancel) and
// counts the questions.
class ScriptedFileDialogs final : public InstalledService<FileDialogService, &SetFileDialogService> {
public:
    void Answer(const QString& path) { m_answers.append(path); }
    int OpenQuestions() const { return m_openQuestions; }
    int SaveQuestions() const { return m_saveQuestions; }
    const QString& LastSaveSuggestion() const { return m_saveSuggestion; }

    QString GetOpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
        ++m_openQuestions;
        return Next();
    }
    QString GetSaveFileName(QWidget*, const QString&, const QString& suggestion, const QString&) override {
        ++m_saveQuestions;
        m_saveSuggestion = suggestion;
        return Next();
    }
    QString GetExistingDirectory(QWidget*, const QString&) override { return Next(); }

private:
    QString Next() { return m_answers.isEmpty() ? QString() : m_answers.takeFirst(); }

    QStringList m_answers;
    int m_openQuestions = 0;
    int m_saveQuestions = 0;
    QString m_saveSuggestion;
};

} // namespace sorvat::test
