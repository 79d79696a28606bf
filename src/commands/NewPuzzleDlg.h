#pragma once
#include "game/PuzzleGenerator.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

// "新しい問題": the level, the symmetry and the number of puzzles to make.
class CNewPuzzleDlg : public QDialog {
    Q_OBJECT
public:
    explicit CNewPuzzleDlg(QWidget* parent);

    sorvat::GeneratorSettings Settings() const;  // without a seed
    int Count() const;

    QComboBox* m_pLevel = nullptr;
    QComboBox* m_pSymmetry = nullptr;
    QSpinBox* m_pCount = nullptr;
};
