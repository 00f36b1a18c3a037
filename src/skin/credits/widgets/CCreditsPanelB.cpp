#include "CCreditsPanelB.h"

CCreditsPanelB::CCreditsPanelB(QWidget* parent) : CCreditsPanel(CreditsRoll::Variant::B, parent) {}
