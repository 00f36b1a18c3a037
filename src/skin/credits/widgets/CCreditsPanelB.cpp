// SPDX-License-Identifier: GPL-3.0-or-later
#include "skin/credits/widgets/CCreditsPanelB.h"

CCreditsPanelB::CCreditsPanelB(QWidget* parent) : CCreditsPanel(CreditsRoll::Variant::B, parent) {}
