// SPDX-License-Identifier: GPL-3.0-or-later
#include "CCreditsPanelB.h"

CCreditsPanelB::CCreditsPanelB(QWidget* parent) : CCreditsPanel(CreditsRoll::Variant::B, parent) {}
