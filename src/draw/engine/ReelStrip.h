// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>

// The characters the reels carry and the arithmetic of the eight reels: which character of a
// participant number each reel stops on, whether the reels carry it, and how long a reel that
// looks for its character waits between ticks.
class ReelStrip
{
public:
    // The characters, in this order (T is followed by X, Y, Z, V, U, W).
    static constexpr char Characters[] = "ABCDEFGHIJKLMNOPQRSTXYZVUW0123456789";
    static constexpr int Size = 36;
    static constexpr int ReelCount = 8;
    // The interval of a rolling reel.
    static constexpr int IntervalMs = 10;
    // Prize levels up to this one slow the looking reel down; higher levels stop at full speed.
    static constexpr int LastSlowLevel = 3;

    // The character at position 0..Size-1.
    static QChar At(int position) { return QLatin1Char(Characters[position]); }
    // The text reel (1..8) shows of an ID: one character (a code point), or empty beyond the
    // ID's end.
    static QString Cell(const QString& id, int reel);
    // Whether cell is one of the characters: a reel never comes round to any other.
    static bool Carries(const QString& cell);
    // The interval of reel (1..8) while it looks for its character, slowDownCounter ticks in.
    static int LookingIntervalMs(int reel, int slowDownCounter);
};
