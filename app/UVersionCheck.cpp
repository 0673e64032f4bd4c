// The version query, the reading of its answer and the download link.
#include "UVersionCheck.h"

#include "UComon.h"

#include "os/Http.h"
#include "os/Services.h"
#include "rtl/Exceptions.h"
#include "rtl/StrFuncs.h"

namespace {

const QString Version_Query = QStringLiteral("/home/download/GetversionSW.asp?nomesw=");
const QString Download_Page = QStringLiteral("/Home/download/download.asp#RB20418");

bool IsDecimalDigit(QChar Ch)
{
    return Ch >= u'0' && Ch <= u'9';
}

}  // namespace

int32_t Conv_Version(const QString& Text)
{
    const qsizetype Blank = Text.indexOf(u' ');
    const QString Version = Trim(Blank < 0 ? Text : Text.mid(Blank + 1));
    if (Version.size() < 5) return -1;
    // The second character, the point, is skipped unread.
    int32_t Number = 0;
    for (const qsizetype At : {0, 2, 3, 4}) {
        if (!IsDecimalDigit(Version[At])) return -1;
        Number = Number * 10 + (Version[At].unicode() - u'0');
    }
    return Number;
}

bool Check_Version(TIdHTTP& HTTP, int32_t TimeoutMs)
{
    HTTP.Request()->SetAccept(QStringLiteral("text/html,application/xhtml+xml,application/xml;q=0.9,*/*;q=0.8"));
    HTTP.Request()->SetUserAgent(QStringLiteral("Mozilla/3.0 (compatible; Indy Library)"));
    HTTP.SetTimeout(TimeoutMs);
    QString Answer;
    try {
        Answer = HTTP.Get(MakerWebServer().HttpUrl(Version_Query + Def_SW_Code_Update));
    } catch (const Exception&) {
        Answer.clear();
    }
    const QString Reply = Trim(UpperCase(Answer));
    if (Reply.isEmpty() || Reply == u"VER. 0.000") return false;
    const int32_t Own = Conv_Version(SW_Version);
    const int32_t Remote = Conv_Version(Trim(Answer));
    return Own != -1 && Remote != -1 && Remote > Own;
}

QString Download_Page_Url()
{
    return MakerWebServer().HttpUrl(Download_Page);
}

QString Download_Link_Caption(const QString& Text)
{
    return QStringLiteral("<a href=\"") + Download_Page_Url() + QStringLiteral("\">") + Text + QStringLiteral("</a>");
}
