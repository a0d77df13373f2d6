// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Chem: the chemistry window. One frame of solution problems: the choice of
// the two known masses, and the mass-fraction, solubility, molar-
// concentration and dilution calculators.
#pragma once

#include <QWidget>

#include "ChemControls.h"
#include "Services.h"

class QButtonGroup;
class QLabel;
class QPushButton;

namespace numora {

class HintFilter;
class SolutionPanel;

class Chem : public QWidget {
    Q_OBJECT

public:
    explicit Chem(Services& services, QWidget* parent = nullptr);
    ~Chem() override;

    QString statusText() const;
    // The known-quantity mode, 1 to 3, as its option button sets it.
    void setMode(int mode);

private:
    QWidget* buildFrame();
    void setStatus(const QString& text);
    std::string text(const char* control) const;
    QPushButton* solutionButton(const char* name);
    void massFraction(bool solvent);
    void solubility();
    void molarity();
    void dilution();
    void directionChanged();

    Services& services_;
    QLabel* status_ = nullptr;
    HintFilter* hints_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QButtonGroup* directions_ = nullptr;
    int mode_ = 1;
    SolutionPanel* solutions_ = nullptr;
    // The fraction the 质量分数 frame computed last: its 解题过程 works it.
    chem::FractionOf fractionOf_ = chem::FractionOf::Solute;
};

}  // namespace numora
