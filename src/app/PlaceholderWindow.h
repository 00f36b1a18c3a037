#pragma once

#include <QDialog>

class CDrawApp;

// The first window of the program until the draw window takes its place: it says which
// database was opened and how many participants it holds.
class PlaceholderWindow : public QDialog
{
    Q_OBJECT

public:
    explicit PlaceholderWindow(CDrawApp& app, QWidget* parent = nullptr);
};
