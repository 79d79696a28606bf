#pragma once
#include "game/PuzzleGenerator.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// "新しい問題": the level, the symmetry and the number of puzzles to make.
// It opens with the choices of its last acceptance (kept per user, beside the
// recent files).
class CNewPuzzleDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewPuzzleDlg(QWidget* parent);

    // A level as the player reads it: what it needs and how hard it feels.
    static QString LevelName(int level);
    void accept() override;

    sorvat::GeneratorSettings Settings() const;  // without a seed
    int Count() const;

    QComboBox* m_pLevel = nullptr;
    QComboBox* m_pSymmetry = nullptr;
    QSpinBox* m_pCount = nullptr;
};
