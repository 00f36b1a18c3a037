// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkin/web/CheckinPage.h"

#include <QCoreApplication>
#include <QString>

namespace {

// A text marked with QT_TRANSLATE_NOOP("CheckinPage", ...), translated and escaped for HTML.
QString Text(const char* source)
{
    return QCoreApplication::translate("CheckinPage", source).toHtmlEscaped();
}

const char* const Style =
    "body{margin:0;font-family:sans-serif;background:#f4f1ea;color:#222}"
    "main{max-width:26rem;margin:0 auto;padding:1.5rem 1.25rem}"
    "h1{font-size:1.6rem;margin:0 0 1rem}"
    "label{display:block;margin:1rem 0 .35rem;font-weight:bold}"
    "input{box-sizing:border-box;width:100%;font-size:1.2rem;padding:.6rem;"
    "border:1px solid #999;border-radius:.4rem}"
    "button{width:100%;margin-top:1.5rem;font-size:1.25rem;padding:.75rem;border:0;"
    "border-radius:.4rem;background:#b3261e;color:#fff}"
    ".notice{font-size:1.3rem;font-weight:bold;padding:1rem;border-radius:.4rem;margin:0 0 1rem}"
    ".good{background:#d7f0d2;color:#1d5e17}.same{background:#fdf0c4;color:#6b5200}"
    ".bad{background:#f9d6d3;color:#8a1c13}"
    "p.hint{color:#555;margin-top:1.25rem}";

QString NoticeHtml(CheckinPage::Notice notice)
{
    using CheckinPage::Notice;
    const auto line = [](const char* kind, const QString& text) {
        return QStringLiteral("<p class=\"notice %1\" role=\"status\">%2</p>")
            .arg(QLatin1String(kind), text);
    };
    switch (notice) {
    case Notice::None:
        return {};
    case Notice::CheckedIn:
        return line("good", Text(QT_TRANSLATE_NOOP("CheckinPage", "签到成功！")));
    case Notice::Already:
        return line("same", Text(QT_TRANSLATE_NOOP("CheckinPage", "您已签到，无需重复签到。")));
    case Notice::Refused:
        return line("bad",
                    Text(QT_TRANSLATE_NOOP("CheckinPage", "编号或姓名不正确，请核对后重试。")));
    case Notice::TooManyAttempts:
        return line("bad", Text(QT_TRANSLATE_NOOP("CheckinPage", "尝试次数过多，请稍后再试。")));
    case Notice::Unavailable:
        return line("bad", Text(QT_TRANSLATE_NOOP("CheckinPage",
                                                  "暂时无法签到，请稍后再试或到签到台办理。")));
    }
    return {};
}

} // namespace

namespace CheckinPage {

QByteArray Html(Notice notice)
{
    // The language tag of the page, as each language module gives it.
    const QString language =
        QCoreApplication::translate("CheckinPage", "zh-CN", "HTML language tag of the page");
    const QString title = Text(QT_TRANSLATE_NOOP("CheckinPage", "活动签到"));
    return QStringLiteral(
               "<!DOCTYPE html><html lang=\"%1\"><head><meta charset=\"utf-8\">"
               "<meta name=\"viewport\" content=\"width=device-width,initial-scale=1\">"
               "<title>%2</title><style>%3</style></head><body><main><h1>%2</h1>%4"
               "<form method=\"post\" autocomplete=\"off\">"
               "<label for=\"id\">%5</label>"
               "<input id=\"id\" name=\"id\" required maxlength=\"64\" autocapitalize=\"off\">"
               "<label for=\"name\">%6</label>"
               "<input id=\"name\" name=\"name\" required maxlength=\"100\">"
               "<button type=\"submit\">%7</button></form><p class=\"hint\">%8</p>"
               "</main></body></html>")
        .arg(language.toHtmlEscaped(), title, QLatin1String(Style), NoticeHtml(notice),
             Text(QT_TRANSLATE_NOOP("CheckinPage", "编号")),
             Text(QT_TRANSLATE_NOOP("CheckinPage", "姓名")),
             Text(QT_TRANSLATE_NOOP("CheckinPage", "签到")),
             Text(QT_TRANSLATE_NOOP("CheckinPage", "请输入您的编号和姓名后点击“签到”。")))
        .toUtf8();
}

QByteArray Json(Notice notice)
{
    const char* status = "refused";
    switch (notice) {
    case Notice::CheckedIn:
        status = "checked-in";
        break;
    case Notice::Already:
        status = "already";
        break;
    case Notice::TooManyAttempts:
        status = "too-many-attempts";
        break;
    case Notice::Unavailable:
        status = "unavailable";
        break;
    case Notice::None:
    case Notice::Refused:
        break;
    }
    return QByteArray("{\"status\": \"") + status + "\"}";
}

} // namespace CheckinPage
