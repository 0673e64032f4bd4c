// Markup text routines: entities, colour names, tag attributes, control tags, plain text and marking found text.
#include "grid/base/EsgHTMLEInternal.h"

#include "rtl/Files.h"
#include "rtl/StrFuncs.h"

#include <QChar>

#include <algorithm>
#include <array>
#include <limits>

namespace {

struct TEntity {
    char16_t Char;
    const char* Name;
};

// The named entities of the table, in the order they are applied.
constexpr std::array<TEntity, 51> HTMLEntityTable = {{
    {u'\u00E9', "&eacute;"}, {u'\u00E8', "&egrave;"}, {u'\u00EB', "&euml;"},   {u'\u00EA', "&ecirc;"},
    {u'\u00F3', "&oacute;"}, {u'\u00F2', "&ograve;"}, {u'\u00F6', "&ouml;"},   {u'\u00F4', "&ocirc;"},
    {u'\u00ED', "&iacute;"}, {u'\u00EC', "&igrave;"}, {u'\u00EF', "&iuml;"},   {u'\u00EE', "&icirc;"},
    {u'\u00FA', "&uacute;"}, {u'\u00F9', "&ugrave;"}, {u'\u00FC', "&uuml;"},   {u'\u00FB', "&ucirc;"},
    {u'\u00E1', "&aacute;"}, {u'\u00E0', "&agrave;"}, {u'\u00E4', "&auml;"},   {u'\u00E2', "&acirc;"},
    {u'\u00C9', "&Eacute;"}, {u'\u00C8', "&Egrave;"}, {u'\u00CB', "&Euml;"},   {u'\u00CA', "&Ecirc;"},
    {u'\u00D3', "&Oacute;"}, {u'\u00D2', "&Ograve;"}, {u'\u00D6', "&Ouml;"},   {u'\u00D4', "&Ocirc;"},
    {u'\u00CD', "&Iacute;"}, {u'\u00CC', "&Igrave;"}, {u'\u00CF', "&Iuml;"},   {u'\u00CE', "&Icirc;"},
    {u'\u00DA', "&Uacute;"}, {u'\u00D9', "&Ugrave;"}, {u'\u00DC', "&Uuml;"},   {u'\u00DB', "&Ucirc;"},
    {u'\u00C1', "&Aacute;"}, {u'\u00C0', "&Agrave;"}, {u'\u00C4', "&Auml;"},   {u'\u00C2', "&Acirc;"},
    {u'\u00E7', "&ccedil;"}, {u'\u00C7', "&Ccedil;"}, {u'\u00F8', "&oslash;"}, {u'\u00D8', "&Oslash;"},
    {u'\u00E5', "&aring;"},  {u'\u00C5', "&Aring;"},  {u'\u00A9', "&copy;"},   {u'\u00AE', "&reg;"},
    {u'\u20AC', "&euro;"},   {u'\u00AB', "&laquo;"},  {u'\u00BB', "&raquo;"},
}};

// The entities every text decodes, before those of the table.
constexpr std::array<TEntity, 4> MarkupEntities = {{
    {u'<', "&lt;"}, {u'>', "&gt;"}, {u'&', "&amp;"}, {u'"', "&quot;"},
}};

struct TNamedColor {
    const char* Name;
    TColor Color;
};

constexpr std::array<TNamedColor, 40> ColorNames = {{
    {"clred", clRed},
    {"clblack", clBlack},
    {"clblue", clBlue},
    {"clgreen", clGreen},
    {"claqua", clAqua},
    {"clyellow", clYellow},
    {"clfuchsia", clFuchsia},
    {"clwhite", clWhite},
    {"cllime", clLime},
    {"clsilver", clSilver},
    {"clgray", clGray},
    {"clolive", clOlive},
    {"clnavy", clNavy},
    {"clpurple", clPurple},
    {"clteal", clTeal},
    {"clmaroon", clMaroon},
    {"clbackground", clBackground},
    {"clactivecaption", clActiveCaption},
    {"clinactivecaption", clInactiveCaption},
    {"clmenu", clMenu},
    {"clwindow", clWindow},
    {"clwindowframe", clWindowFrame},
    {"clmenutext", clMenuText},
    {"clwindowtext", clWindowText},
    {"clcaptiontext", clCaptionText},
    {"clactiveborder", clActiveBorder},
    {"clinactiveborder", clInactiveBorder},
    {"clappworkspace", clAppWorkSpace},
    {"clhighlight", clHighlight},
    {"clhighlighttext", clHighlightText},
    {"clbtnface", clBtnFace},
    {"clbtnshadow", clBtnShadow},
    {"clgraytext", clGrayText},
    {"clbtntext", clBtnText},
    {"clinactivecaptiontext", clInactiveCaptionText},
    {"clbtnhighlight", clBtnHighlight},
    {"cl3ddkshadow", cl3DDkShadow},
    {"cl3dlight", cl3DLight},
    {"clinfotext", clInfoText},
    {"clinfobk", clInfoBk},
}};

bool IsBlank(QChar Ch)
{
    return Ch <= QLatin1Char(' ');
}

// The entity of Entities that Text holds at Index, or nullptr.
template <size_t N>
const TEntity* EntityAt(const QString& Text, qsizetype Index, const std::array<TEntity, N>& Entities)
{
    const QStringView rest = QStringView(Text).mid(Index);
    for (const TEntity& entity : Entities)
        if (rest.startsWith(QLatin1StringView(entity.Name))) return &entity;
    return nullptr;
}

// The control tags of a text, in order.
struct TControlTagRef {
    qsizetype Start;
    // Up to and including its ">", or to the text's end.
    qsizetype Length;
    TControlTag Tag;
};

QList<TControlTagRef> ControlTags(const QString& Text)
{
    QList<TControlTagRef> tags;
    qsizetype from = 0;
    while (true) {
        const qsizetype start = Text.indexOf(QLatin1String("<CONTROL "), from, Qt::CaseInsensitive);
        if (start < 0) break;
        const qsizetype close = Text.indexOf(QLatin1Char('>'), start);
        const qsizetype end = close < 0 ? Text.size() : close + 1;
        tags.append({start, end - start, ParseControlTag(Text.mid(start, end - start))});
        from = end;
    }
    return tags;
}

const TControlTagRef* FindControl(const QList<TControlTagRef>& Tags, const QString& ID)
{
    for (const TControlTagRef& tag : Tags)
        if (tag.Tag.ID == ID) return &tag;
    return nullptr;
}

QString Quoted(const QString& Value)
{
    return QLatin1Char('"') + Value + QLatin1Char('"');
}

}  // namespace

// --- Tag attributes ---

TTagAttributes::TTagAttributes(QStringView Tag)
{
    qsizetype n = Tag.size();
    if (Tag.endsWith(QLatin1Char('>'))) --n;
    qsizetype i = Tag.startsWith(QLatin1Char('<')) ? 1 : 0;
    // The tag's own name.
    while (i < n && !IsBlank(Tag[i])) ++i;
    while (true) {
        while (i < n && IsBlank(Tag[i])) ++i;
        if (i >= n) break;
        const qsizetype nameStart = i;
        while (i < n && !IsBlank(Tag[i]) && Tag[i] != QLatin1Char('=')) ++i;
        TAttribute attribute{Tag.mid(nameStart, i - nameStart).toString().toUpper(), QString()};
        qsizetype j = i;
        while (j < n && IsBlank(Tag[j])) ++j;
        if (j < n && Tag[j] == QLatin1Char('=')) {
            i = j + 1;
            while (i < n && IsBlank(Tag[i])) ++i;
            if (i < n && Tag[i] == QLatin1Char('"')) {
                const qsizetype close = Tag.indexOf(QLatin1Char('"'), i + 1);
                const qsizetype end = close < 0 || close > n ? n : close;
                attribute.Value = Tag.mid(i + 1, end - i - 1).toString();
                i = end + 1;
            } else {
                const qsizetype start = i;
                while (i < n && !IsBlank(Tag[i])) ++i;
                attribute.Value = Tag.mid(start, i - start).toString();
            }
        }
        if (!attribute.Name.isEmpty() && !Find(attribute.Name)) FAttributes.append(std::move(attribute));
    }
}

const TTagAttributes::TAttribute* TTagAttributes::Find(QAnyStringView Name) const
{
    for (const TAttribute& attribute : FAttributes)
        if (QAnyStringView::equal(attribute.Name, Name)) return &attribute;
    return nullptr;
}

bool TTagAttributes::Has(QLatin1StringView Name) const
{
    return Find(Name) != nullptr;
}

QString TTagAttributes::Value(QLatin1StringView Name) const
{
    const TAttribute* attribute = Find(Name);
    return attribute ? attribute->Value : QString();
}

// --- Entities and colours ---

QString DecodeHTMLEntities(const QString& Text, bool UseTable)
{
    if (!Text.contains(QLatin1Char('&'))) return Text;
    QString result;
    result.reserve(Text.size());
    for (qsizetype i = 0; i < Text.size();) {
        const TEntity* entity = nullptr;
        if (Text[i] == QLatin1Char('&')) {
            entity = EntityAt(Text, i, MarkupEntities);
            if (!entity && UseTable) entity = EntityAt(Text, i, HTMLEntityTable);
        }
        if (entity) {
            result += QChar(entity->Char);
            i += qsizetype(qstrlen(entity->Name));
        } else {
            result += Text[i++];
        }
    }
    return result;
}

QString EncodeHTMLEntities(const QString& Text, bool UseTable)
{
    QString result;
    result.reserve(Text.size());
    for (const QChar ch : Text) {
        const auto is = [ch](const TEntity& entity) { return ch == QChar(entity.Char); };
        if (const auto* entity = std::find_if(MarkupEntities.begin(), MarkupEntities.end(), is); entity != MarkupEntities.end())
            result += QLatin1StringView(entity->Name);
        else if (const auto* named = std::find_if(HTMLEntityTable.begin(), HTMLEntityTable.end(), is);
                 UseTable && named != HTMLEntityTable.end())
            result += QLatin1StringView(named->Name);
        else
            result += ch;
    }
    return result;
}

QString SpacesToNbsp(const QString& Text)
{
    QString result = Text;
    return result.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
}

TColor ColorNameToColor(const QString& Name)
{
    for (const TNamedColor& named : ColorNames)
        if (Name == QLatin1StringView(named.Name)) return named.Color;
    return clBlack;
}

int32_t HexPairToByte(const QString& Text)
{
    if (Text.size() < 2) return 0;
    const auto digit = [](QChar Ch) { return Ch.unicode() - (Ch < QLatin1Char('A') ? 48 : 55); };
    return 16 * digit(Text[0]) + digit(Text[1]);
}

TColor HTMLColorToColor(const QString& Text)
{
    const int32_t red = HexPairToByte(Copy(Text, 2, 2));
    const int32_t green = HexPairToByte(Copy(Text, 4, 2));
    const int32_t blue = HexPairToByte(Copy(Text, 6, 2));
    // Pairs that are no hexadecimal digits give values beyond a byte: the sum wraps at 32 bits.
    return static_cast<TColor>(uint32_t(red) + 256u * uint32_t(green) + 65536u * uint32_t(blue));
}

// --- Control tags ---

TControlTag ParseControlTag(const QString& TagText)
{
    const TTagAttributes attributes(TagText);
    TControlTag tag;
    tag.Type = attributes.Value(QLatin1StringView("TYPE")).toUpper();
    tag.ID = attributes.Value(QLatin1StringView("ID"));
    tag.MaxLen = attributes.Value(QLatin1StringView("MAXLEN"));
    tag.Prop = DecodeHTMLEntities(attributes.Value(QLatin1StringView("PROP")), true);
    tag.Height = attributes.Value(QLatin1StringView("HEIGHT"));
    tag.Width = attributes.Value(QLatin1StringView("WIDTH"));
    tag.Value = DecodeHTMLEntities(attributes.Value(QLatin1StringView("VALUE")), true);
    return tag;
}

bool HasControlTag(const QString& Text)
{
    return Text.contains(QLatin1String("<CONTROL"), Qt::CaseInsensitive);
}

bool GetControlValue(const QString& Text, const QString& ID, QString& Value)
{
    const QList<TControlTagRef> tags = ControlTags(Text);
    const TControlTagRef* control = FindControl(tags, ID);
    if (!control) return false;
    Value = control->Tag.Value;
    return true;
}

QString GetControlProp(const QString& Text, const QString& ID)
{
    const QList<TControlTagRef> tags = ControlTags(Text);
    const TControlTagRef* control = FindControl(tags, ID);
    return control ? control->Tag.Prop : QString();
}

int32_t GetControlMaxLen(const QString& Text, const QString& ID)
{
    const QList<TControlTagRef> tags = ControlTags(Text);
    const TControlTagRef* control = FindControl(tags, ID);
    return control ? IntOf(control->Tag.MaxLen) : 0;
}

bool SetControlValue(QString& Text, const QString& ID, const QString& Value)
{
    const QList<TControlTagRef> tags = ControlTags(Text);
    const TControlTagRef* control = FindControl(tags, ID);
    if (!control) return false;
    const TControlTag& old = control->Tag;
    QString tag = QLatin1String("<CONTROL ID=") + Quoted(ID) + QLatin1String(" VALUE=") +
                  Quoted(EncodeHTMLEntities(Value, true)) + QLatin1String(" WIDTH=") + Quoted(old.Width) +
                  QLatin1String(" TYPE=") + Quoted(old.Type);
    if (!old.Prop.isEmpty()) tag += QLatin1String(" PROP=") + Quoted(EncodeHTMLEntities(old.Prop, true));
    if (!old.MaxLen.isEmpty()) tag += QLatin1String(" MAXLEN=") + Quoted(old.MaxLen);
    if (!old.Height.isEmpty()) tag += QLatin1String(" HEIGHT=") + Quoted(old.Height);
    Text.replace(control->Start, control->Length, tag + QLatin1Char('>'));
    return true;
}

QString ResetRadioControls(const QString& Text)
{
    QString result = Text;
    for (const TControlTagRef& control : ControlTags(Text))
        if (control.Tag.Type == QLatin1String("RADIO")) SetControlValue(result, control.Tag.ID, QStringLiteral("FALSE"));
    return result;
}

QString NextEditControlID(const QString& Text, const QString& CurrentID)
{
    bool passed = CurrentID.isEmpty();
    for (const TControlTagRef& control : ControlTags(Text)) {
        const QString& type = control.Tag.Type;
        if (control.Tag.ID == CurrentID) passed = true;
        else if (passed && type != QLatin1String("BUTTON") && type != QLatin1String("CHECK") && type != QLatin1String("RADIO"))
            return control.Tag.ID;
    }
    return QString();
}

QString PasswordMask(const QString& Text)
{
    return QString(Text.size(), QLatin1Char('*'));
}

// --- Plain text and marking ---

QString MarkupToPlainText(const QString& Markup)
{
    QString text = Markup;
    text.replace(QLatin1String("<BR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    text.replace(QLatin1String("<HR>"), QLatin1String("\r\n"), Qt::CaseInsensitive);
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = open < 0 ? -1 : text.indexOf(QLatin1Char('>'), open);
        if (close < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, open - pos);
        pos = close + 1;
    }
    return result;
}

QString MarkupVisibleText(const QString& Markup)
{
    QString result;
    result.reserve(Markup.size());
    qsizetype pos = 0;
    while (pos < Markup.size()) {
        const qsizetype open = Markup.indexOf(QLatin1Char('<'), pos);
        const qsizetype close = Markup.indexOf(QLatin1Char('>'), pos);
        if (open < 0 || close < open) {
            result += QStringView(Markup).mid(pos);
            break;
        }
        result += QStringView(Markup).mid(pos, open - pos);
        pos = close + 1;
    }
    return result;
}

int32_t VisibleToMarkupPos(const QString& Markup, int32_t N)
{
    int32_t visible = 0;
    qsizetype i = 0;
    while (i < Markup.size()) {
        if (visible == N - 1) return int32_t(i + 1);
        const qsizetype close = Markup[i] == QLatin1Char('<') ? Markup.indexOf(QLatin1Char('>'), i) : -1;
        if (close >= 0) {
            i = close + 1;
        } else {
            ++visible;
            ++i;
        }
    }
    return visible == N - 1 ? int32_t(Markup.size() + 1) : 0;
}

int32_t FindTextFrom(const QString& Search, const QString& Text, int32_t Offset, bool CaseSensitive)
{
    if (CaseSensitive) return PosEx(Search, Text, Offset + 1);
    return PosEx(AnsiUpperCase(Search), AnsiUpperCase(Text), Offset + 1);
}

QString MarkTextInMarkup(const QString& Markup, const QString& Search, const QString& Tag, bool CaseSensitive)
{
    QString markup = Markup;
    QString search = Search;
    QString visible = MarkupVisibleText(markup);
    if (markup.contains(search) && (visible.contains(QLatin1Char('<')) || visible.contains(QLatin1Char('>')))) {
        const auto escape = [](QString Text) {
            return Text.replace(QLatin1Char('<'), QLatin1String("&lt;")).replace(QLatin1Char('>'), QLatin1String("&gt;"));
        };
        visible = escape(visible);
        markup = visible;
        search = escape(search);
    }
    const QString open = QLatin1Char('<') + Tag + QLatin1Char('>');
    const QString close = QLatin1String("</") + Tag + QLatin1Char('>');
    int32_t offset = 0;
    while (const int32_t p = FindTextFrom(search, visible, offset, CaseSensitive)) {
        const int32_t end = p + int32_t(search.size());
        Insert(open, markup, VisibleToMarkupPos(markup, p));
        Insert(close, markup, VisibleToMarkupPos(markup, end));
        offset = end - 1;
    }
    return markup;
}

QString UnmarkTextInMarkup(const QString& Markup, const QString& Tag)
{
    QString result = Markup;
    result.remove(QLatin1Char('<') + Tag + QLatin1Char('>'), Qt::CaseInsensitive);
    result.remove(QLatin1String("</") + Tag + QLatin1Char('>'), Qt::CaseInsensitive);
    return result.replace(QLatin1String("&lt;"), QLatin1String("<")).replace(QLatin1String("&gt;"), QLatin1String(">"));
}

// --- Small helpers ---

int32_t PosNoCase(const QString& Sub, const QString& Text)
{
    return Pos(AnsiUpperCase(Sub), AnsiUpperCase(Text));
}

bool ReplaceFirstNoCase(const QString& Find, const QString& Replacement, QString& Text)
{
    const int32_t at = PosNoCase(Find, Text);
    if (at == 0) return false;
    Text.replace(at - 1, Find.size(), Replacement);
    return true;
}

int32_t IntOf(const QString& Text)
{
    qsizetype i = 0;
    while (i < Text.size() && IsBlank(Text[i])) ++i;
    bool negative = false;
    if (i < Text.size() && (Text[i] == QLatin1Char('-') || Text[i] == QLatin1Char('+'))) negative = Text[i++] == QLatin1Char('-');
    int base = 10;
    if (i < Text.size() && Text[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < Text.size() && Text[i] == QLatin1Char('0') && (Text[i + 1] == QLatin1Char('x') || Text[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    constexpr int64_t limit = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    int64_t value = 0;
    for (; i < Text.size(); ++i) {
        const char16_t ch = Text[i].unicode();
        const char16_t lower = ch | 0x20;
        int digit = -1;
        if (ch >= u'0' && ch <= u'9') digit = ch - u'0';
        else if (base == 16 && lower >= u'a' && lower <= u'f') digit = lower - u'a' + 10;
        if (digit < 0) break;
        value = std::min(value * base + digit, limit);
    }
    if (negative) return int32_t(-value);
    return int32_t(std::min(value, limit - 1));
}

bool IsDirectory(const QString& Path)
{
    return DirectoryExists(Path);
}
