// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "data/WinnerStore.h"

#include <QCoreApplication>
#include <QString>

// What the draw writes on its window: the names of the skin elements it fills, the notices and
// boxes of the string table, its own boxes, and the winner's lines.
class DrawTexts
{
    Q_DECLARE_TR_FUNCTIONS(DrawTexts)

public:
    // Skin elements.
    static QString InfoName() { return QStringLiteral("ID_INFO"); }
    static QString InfoCaptionName() { return QStringLiteral("ID_INFO1"); }
    static QString LevelName() { return QStringLiteral("ID_NUMBER"); }
    static QString QuotaName() { return QStringLiteral("ID_NUMBER1"); }
    static QString StartButton() { return QStringLiteral("BUTTON_START"); }
    static QString StopButton() { return QStringLiteral("BUTTON_STOP"); }
    // The line of the winner of pick 1..8 of the round.
    static QString WinnerLineName(int pick) { return QStringLiteral("ID_TEXT%1").arg(pick); }

    // Texts of the string table, by id.
    enum class Text
    {
        WinnerCaption = 106,  // caption before the winner's name
        PickUnfinished = 107, // Start while a pick is still stopping
        EveryoneWon = 108,    // no eligible participant left
        QuotaTooLarge = 115,  // fewer eligible participants than the quota
        RoundOver = 116,
        DrawingNow = 118, // refused while a round runs
        Starting = 120,
        Maximum = 121,
        Minimum = 122
    };
    static QString Load(Text text);
    // "Drawing winner number n" while pick n rolls.
    static QString PickProgress(int pick);

    // The box Start shows when the event has no participants at all.
    static QString NoParticipants();
    // The box Start shows when no participant the level's rule admits is left to win it.
    static QString NobodyEligible(int level, const QString& prize);
    // The level named with its prize ("第 n 级奖项“prize”").
    static QString LevelWithPrize(int level, const QString& prize);
    // The box when only checked-in participants take part and none of those is left.
    static QString NoneCheckedIn();
    // The prize of the selected level, shown between rounds.
    static QString SelectedPrize(const QString& prize);

    // The first line of the box that tells the operator a winner could not be stored.
    static constexpr const char* FailedInputText = "Failed Input Please Run again";
    // That box's text for a refused win of id: the first line, then what happened and what to
    // do. recoveryPath: where the wins stored so far were copied when the file was taken away.
    static QString RefusedWin(const QString& id, const WinRefusal& refusal,
                              const QString& databasePath, const QString& recoveryPath);

    // The same for a round of count winners stored at once: none of them was stored.
    static QString RefusedRound(int count, const QString& id, const WinRefusal& refusal,
                                const QString& databasePath, const QString& recoveryPath);
    // The small winners list after a round of count winners drawn at once.
    static QString RoundWinnerCount(int count);
    // The notice of the quota button at its bound when the level's round size lifts it above 8.
    static QString MaximumQuota(int maximum);

    // A winner's name as the winner lines show it: short names are padded so that the lines
    // keep their columns.
    static QString PaddedName(const QString& name);
    // The winner line of pick n: "n.name   ID   (prize)", the name padded.
    static QString WinnerLine(int pick, const QString& paddedName, const QString& id,
                              const QString& prize);
    // The same for the winner who fills the voided place of a replacement round.
    static QString ReplacementLine(int place, const QString& paddedName, const QString& id,
                                   const QString& prize);
    // ID_INFO as a replacement round starts, and while the pick of place rolls.
    static QString ReplacementStarting();
    static QString ReplacementProgress(int place);
    // The box of a replacement round asked for a level without open places.
    static QString NoOpenPlace(int level, const QString& prize);
    // The winner's name under the reels, the name padded.
    static QString WinnerInfo(const QString& paddedName);
};
