// SPDX-License-Identifier: GPL-3.0-or-later
// Every language module must hold a reviewed translation of every translatable text of the
// sources, and nothing else: each committed res/i18n/*.ts is compared with what lupdate finds in
// src/ today, its translations keep the placeholders of their texts, and the compiled module is
// asked for each text.
#include "platform/core/ResourceModule.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

const char* const HowToFix =
    "\nTo fix: run tools/i18n/update-modules (it adds the new texts, in bigRes.ts with a machine "
    "conversion, and drops the removed ones), translate each new English text of enRes.ts, check "
    "each new traditional text by eye (Taiwan usage), remove their type=\"unfinished\" marks, "
    "then commit res/i18n.";

struct Message
{
    QString context;
    QString source;
    QString comment;
    QString translation;
    bool unfinished = false;
};

// One message per context, source and comment, keyed by the three.
using Messages = QMap<QString, Message>;

QString Key(const Message& m)
{
    return m.context + u'\x1f' + m.source + u'\x1f' + m.comment;
}

// The language a .ts file is for (attribute "language" of its TS element).
Messages ReadTs(const QString& path, QString* error, QString* language = nullptr)
{
    Messages messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return messages;
    }
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == u"message") {
                messages.insert(Key(message), message);
            }
            continue;
        }
        const auto name = xml.name();
        if (name == u"TS" && language) {
            *language = xml.attributes().value(QLatin1String("language")).toString();
        } else if (name == u"name") {
            context = xml.readElementText();
        } else if (name == u"message") {
            message = Message();
            message.context = context;
        } else if (name == u"source") {
            message.source = xml.readElementText();
        } else if (name == u"comment") {
            message.comment = xml.readElementText();
        } else if (name == u"translation") {
            const auto type = xml.attributes().value(QLatin1String("type"));
            message.unfinished = type == u"unfinished";
            // A plural text keeps its forms in <numerusform> children.
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    if (xml.hasError()) {
        *error = xml.errorString();
    }
    return messages;
}

QString List(const QStringList& keys)
{
    QStringList lines;
    for (const QString& key : keys) {
        QStringList parts = key.split(u'\x1f');
        if (parts.last().isEmpty()) {
            parts.removeLast(); // no comment
        }
        lines << QStringLiteral("  ") + parts.join(QStringLiteral(" | "));
    }
    return lines.join(u'\n');
}

// The placeholders of a text (%1, %2, ...), in order of their numbers.
QStringList Placeholders(const QString& text)
{
    static const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found << it.next().captured();
    }
    found.sort();
    return found;
}

} // namespace

TEST(TranslationModule, EachHoldsAReviewedTranslationOfEveryTextOfTheSources)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString freshPath = dir.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.setProcessChannelMode(QProcess::MergedChannels);
    lupdate.start(QStringLiteral(SORTILO_LUPDATE),
                  {"-silent", "-locations", "none", "-no-obsolete", "-source-language", "zh_CN",
                   QStringLiteral(SORTILO_SOURCE_DIR "/src"), "-ts", freshPath});
    ASSERT_TRUE(lupdate.waitForFinished(60000)) << "lupdate did not finish";
    ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAll().toStdString();

    QString error;
    const Messages fresh = ReadTs(freshPath, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_GT(fresh.size(), 40) << "lupdate found too few texts: did it read the sources?";

    const QDir sources(QStringLiteral(SORTILO_SOURCE_DIR "/res/i18n"));
    const QStringList modules = sources.entryList({QStringLiteral("*.ts")}, QDir::Files);
    ASSERT_TRUE(modules.contains(QStringLiteral("bigRes.ts")) &&
                modules.contains(QStringLiteral("enRes.ts")))
        << modules.join(u' ').toStdString();
    for (const QString& file : modules) {
        SCOPED_TRACE(file.toStdString());
        QString language;
        const Messages committed = ReadTs(sources.filePath(file), &error, &language);
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();

        QStringList missing;
        QStringList unreviewed;
        QStringList placeholders;
        for (const Message& m : fresh) {
            const auto it = committed.constFind(Key(m));
            if (it == committed.constEnd()) {
                missing << Key(m);
            } else if (it->translation.isEmpty() || it->unfinished) {
                unreviewed << Key(m);
            } else if (Placeholders(it->translation) != Placeholders(m.source)) {
                placeholders << Key(m);
            }
        }
        QStringList stale;
        for (const Message& m : committed) {
            if (!fresh.contains(Key(m))) {
                stale << Key(m);
            }
        }
        EXPECT_TRUE(missing.isEmpty()) << "texts of the sources missing:\n"
                                       << List(missing).toStdString() << HowToFix;
        EXPECT_TRUE(unreviewed.isEmpty()) << "texts without a reviewed translation:\n"
                                          << List(unreviewed).toStdString() << HowToFix;
        EXPECT_TRUE(placeholders.isEmpty())
            << "translations that lose or add a placeholder (%1, %2, ...):\n"
            << List(placeholders).toStdString();
        EXPECT_TRUE(stale.isEmpty()) << "entries no source holds any more:\n"
                                     << List(stale).toStdString() << HowToFix;

        // The built module answers for every text. Asked directly, a translator gives nothing
        // for a text it lacks (the application would show the source text instead, which a
        // comparison of texts cannot tell from a translation that happens to be written the
        // same).
        QTranslator module;
        const QString built = QStringLiteral(SORTILO_TEST_MODULES "/") +
                              QFileInfo(file).completeBaseName() + QStringLiteral(".qm");
        ASSERT_TRUE(module.load(built)) << built.toStdString();
        QStringList untranslated;
        for (const Message& m : fresh) {
            const QByteArray context = m.context.toUtf8();
            const QByteArray source = m.source.toUtf8();
            const QByteArray comment = m.comment.toUtf8();
            if (module
                    .translate(context.constData(), source.constData(),
                               m.comment.isEmpty() ? nullptr : comment.constData())
                    .isEmpty()) {
                untranslated << Key(m);
            }
        }
        EXPECT_TRUE(untranslated.isEmpty()) << "texts the built module does not translate:\n"
                                            << List(untranslated).toStdString() << HowToFix;
        // Skins choose their pictures by the code the module gives for its language.
        ASSERT_TRUE(QCoreApplication::installTranslator(&module));
        EXPECT_EQ(ResourceModule::ActiveLanguageCode().toStdString(), language.toStdString());
        QCoreApplication::removeTranslator(&module);
    }
}
