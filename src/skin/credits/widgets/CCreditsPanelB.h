// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "skin/credits/widgets/CCreditsPanel.h"

// The second panel's flavour: a faster, even pace (40 ms whatever the speed index) and bitmap
// lines that never hold up the text.
class CCreditsPanelB : public CCreditsPanel
{
    Q_OBJECT

public:
    explicit CCreditsPanelB(QWidget* parent = nullptr);
};
