// TStrings and TStringList: text forms, delimited texts, names and values, sorting, events, objects and files.
#include "rtl/Exceptions.h"
#include "rtl/Streams.h"
#include "rtl/Strings.h"
#include "support/ExceptionMessage.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>

namespace {
QStringList Items(const TStrings& List)
{
    QStringList items;
    for (int32_t i = 0; i < List.Count(); ++i) items << List.Strings(i);
    return items;
}

void SetItems(TStrings& List, const QStringList& Items)
{
    List.Clear();
    for (const QString& item : Items) List.Add(item);
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray bytes;
    for (int v : values) bytes.append(static_cast<char>(v));
    return bytes;
}

const QChar Nul(u'\0');


// The smallest TStrings: only the abstract operations, over a QStringList.
class TPlainStrings : public TStrings {
public:
    void Clear() override { FItems.clear(); }
    void Delete(int32_t Index) override { FItems.removeAt(Index); }
    void Insert(int32_t Index, const QString& S) override { FItems.insert(Index, S); }

protected:
    QString Get(int32_t Index) const override { return FItems.at(Index); }
    int32_t GetCount() const override { return static_cast<int32_t>(FItems.size()); }

private:
    QStringList FItems;
};

// An object that counts its deletions.
class TTracked : public TObject {
public:
    explicit TTracked(int& Deaths) : FDeaths(Deaths) {}
    ~TTracked() override { ++FDeaths; }

private:
    int& FDeaths;
};
}  // namespace

// ---- Text -----------------------------------------------------------------------------------

TEST(StringsTextTest, EveryLineEndsWithCrLf)
{
    TStringList list;
    EXPECT_EQ(list.Text(), QString());
    SetItems(list, {"a", "b"});
    EXPECT_EQ(list.Text(), QStringLiteral("a\r\nb\r\n"));
    SetItems(list, {""});
    EXPECT_EQ(list.Text(), QStringLiteral("\r\n"));
}

TEST(StringsTextTest, SetTextSplitsAtCrLfLfOrCr)
{
    struct Case {
        QString text;
        QStringList lines;
    };
    const Case cases[] = {
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\rb\r", {"a", "b"}},
        {"a\n\rb", {"a", "", "b"}},  // LF CR is two line ends
        {"a\r\r\nb", {"a", "", "b"}},
        {"\r\n", {""}},
        {"\n\n", {"", ""}},
        {"", {}},
        {QStringLiteral("a") + Nul + QStringLiteral("b\nc"), {"a"}},  // a NUL ends the text
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TStringList list;
        list.Add("old");
        list.SetText(c.text);
        EXPECT_EQ(Items(list), c.lines);
    }
}

// ---- Delimited texts ------------------------------------------------------------------------

TEST(StringsDelimitedTest, CommaTextQuotesItemsWithBlanksQuotesOrCommas)
{
    struct Case {
        QStringList items;
        QString text;
    };
    const Case cases[] = {
        {{}, ""},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"x", ""}, "x,"},
        {{"", "x"}, ",x"},
        {{"a", "b"}, "a,b"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"a,b"}, "\"a,b\""},
        {{"a\"b"}, "\"a\"\"b\""},
        {{"tab\there"}, "\"tab\there\""},
        {{"\u00E8\u20AC", "'single'"}, "\u00E8\u20AC,'single'"},
        {{QStringLiteral("a") + Nul + QStringLiteral(" b")}, QStringLiteral("a") + Nul + QStringLiteral(" b")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TStringList list;
        SetItems(list, c.items);
        EXPECT_EQ(list.CommaText(), c.text);
    }
}

TEST(StringsDelimitedTest, SetCommaTextSplitsAtCommasAndBlanks)
{
    struct Case {
        QString text;
        QStringList items;
    };
    const Case cases[] = {
        {"a,b", {"a", "b"}},
        {"a, b", {"a", "b"}},
        {"a b", {"a", "b"}},
        {" \"a b\" ,c", {"a b", "c"}},
        {"\"a,b\",c", {"a,b", "c"}},
        {"\"a\"\"b\"", {"a\"b"}},
        {"x\"y", {"x\"y"}},                // a quote inside an unquoted item is plain
        {"\"a\"b,c", {"a", "b", "c"}},      // text after the closing quote is the next item
        {"\"unterminated", {"unterminate"}},  // AnsiExtractQuotedStr drops the last character
        {"\"a\"\"b", {"a\""}},
        {"a,,b", {"a", "", "b"}},
        {"a,", {"a", ""}},
        {"a, ", {"a"}},
        {",a", {"", "a"}},
        {"\"\"", {""}},
        {"\"\",\"\"", {"", ""}},
        {"", {}},
        {"   ", {}},
        {"\t a \t", {"a"}},
        {QStringLiteral("a") + Nul + QStringLiteral(",b"), {"a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        TStringList list;
        list.Add("old");
        list.SetCommaText(c.text);
        EXPECT_EQ(Items(list), c.items);
    }
}

TEST(StringsDelimitedTest, DelimiterQuoteCharAndStrictDelimiterShapeTheText)
{
    const QStringList items = {"a b", " c", "d;e", "x'y", "q\"q", ""};
    struct Case {
        bool strict;
        QString text;
    };
    const Case cases[] = {
        {false, "'a b';' c';'d;e';'x''y';q\"q;"},
        {true, "a b; c;'d;e';'x''y';q\"q;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.strict);
        TStringList list;
        list.SetDelimiter(u';');
        list.SetQuoteChar(u'\'');
        list.SetStrictDelimiter(c.strict);
        SetItems(list, items);
        EXPECT_EQ(list.DelimitedText(), c.text);
    }
}

TEST(StringsDelimitedTest, SetDelimitedTextWithAndWithoutStrictDelimiter)
{
    struct Case {
        bool strict;
        QString text;
        QStringList items;
    };
    const Case cases[] = {
        {false, "a b;c", {"a", "b", "c"}},
        {false, "a,b;c", {"a,b", "c"}},
        {false, " 'x;y' ;z", {"x;y", "z"}},
        {true, "a b; c", {"a b", " c"}},
        {true, "  ", {"  "}},
        {true, " 'a' ;b", {" 'a' ", "b"}},
        {true, "'a' b;c", {"a", " b", "c"}},
        {true, "'x;y';z", {"x;y", "z"}},
        {true, "a;", {"a", ""}},
        {true, "a; ", {"a", " "}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.strict << " " << c.text.toStdString());
        TStringList list;
        list.SetDelimiter(u';');
        list.SetQuoteChar(u'\'');
        list.SetStrictDelimiter(c.strict);
        list.SetDelimitedText(c.text);
        EXPECT_EQ(Items(list), c.items);
    }
}

TEST(StringsDelimitedTest, CommaTextIgnoresTheListsOwnSettings)
{
    TStringList list;
    list.SetDelimiter(u';');
    list.SetQuoteChar(u'\'');
    list.SetStrictDelimiter(true);
    SetItems(list, {"a b", "c;d"});
    EXPECT_EQ(list.CommaText(), QStringLiteral("\"a b\",c;d"));
    list.SetCommaText("x y,'z'");
    EXPECT_EQ(Items(list), QStringList({"x", "y", "'z'"}));
    EXPECT_EQ(list.Delimiter(), u';');
    EXPECT_EQ(list.QuoteChar(), u'\'');
    EXPECT_TRUE(list.StrictDelimiter());
}

TEST(StringsDelimitedTest, GetSetGetIsStable)
{
    struct Settings {
        QChar delimiter;
        QChar quote;
        bool strict;
    };
    const Settings settings[] = {{u',', u'"', false}, {u',', u'"', true}, {u';', u'\'', false}, {u';', u'\'', true}};
    const QStringList lists[] = {
        {""},
        {"", ""},
        {"a", ""},
        {"", "a"},
        {" lead", "trail ", "in side"},
        {"q\"uote", "apo's", "semi;colon", "com,ma"},
        {"line\r\nbreak", "tab\tbed"},
        {"\"quoted\"", "'"},
    };
    for (const Settings& s : settings) {
        for (const QStringList& items : lists) {
            SCOPED_TRACE(testing::Message() << s.delimiter.toLatin1() << s.quote.toLatin1() << s.strict << " "
                                            << items.join('|').toStdString());
            TStringList list;
            list.SetDelimiter(s.delimiter);
            list.SetQuoteChar(s.quote);
            list.SetStrictDelimiter(s.strict);
            SetItems(list, items);
            const QString text = list.DelimitedText();
            list.SetDelimitedText(text);
            EXPECT_EQ(Items(list), items) << text.toStdString();
            EXPECT_EQ(list.DelimitedText(), text);
        }
    }
}

TEST(StringsDelimitedTest, LongCommaTextRoundTrips)
{
    TStringList list;
    for (int i = 0; i < 20000; ++i) list.Add(QStringLiteral("item %1, \"%1\"").arg(i));
    TStringList copy;
    copy.SetCommaText(list.CommaText());
    EXPECT_TRUE(copy.Equals(&list));
}

// ---- Names and values -----------------------------------------------------------------------

TEST(StringsValuesTest, NamesAndValuesSplitAtTheFirstSeparator)
{
    TStringList list;
    SetItems(list, {"Name=Value", "noseparator", "Key=", "=v", "a=b=c"});
    struct Case {
        QString name;
        QString value;
    };
    const Case lines[] = {{"Name", "Value"}, {"", ""}, {"Key", ""}, {"", "v"}, {"a", "b=c"}};
    for (int32_t i = 0; i < list.Count(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(list.Names(i), lines[i].name);
        EXPECT_EQ(list.ValueFromIndex(i), lines[i].value);
    }
    EXPECT_EQ(list.ValueFromIndex(-1), QString());
    EXPECT_EQ(list.Values("NAME"), QStringLiteral("Value"));  // names ignore case
    EXPECT_EQ(list.Values("a"), QStringLiteral("b=c"));
    EXPECT_EQ(list.Values("noseparator"), QString());
    EXPECT_EQ(list.IndexOfName("key"), 2);
    EXPECT_EQ(list.IndexOfName("missing"), -1);

    list.SetCaseSensitive(true);
    EXPECT_EQ(list.Values("NAME"), QString());
}

TEST(StringsValuesTest, SettingValuesReplacesAddsAndDeletes)
{
    TStringList list;
    SetItems(list, {"one=1", "two=2"});
    list.SetValues("ONE", "uno");  // the line takes the name as given
    list.SetValues("three", "3");
    list.SetValues("two", "");
    list.SetValues("four", "");
    EXPECT_EQ(Items(list), QStringList({"ONE=uno", "three=3"}));

    list.SetValueFromIndex(1, "tre");
    list.SetValueFromIndex(-1, "x");
    EXPECT_EQ(Items(list), QStringList({"ONE=uno", "three=tre", "=x"}));
    list.SetValueFromIndex(0, "");
    EXPECT_EQ(Items(list), QStringList({"three=tre", "=x"}));

    list.SetNameValueSeparator(u':');
    list.SetValues("k", "v");
    EXPECT_EQ(list.Strings(2), QStringLiteral("k:v"));
    EXPECT_EQ(list.Names(0), QString());
}

// ---- Sorting and duplicates -----------------------------------------------------------------

TEST(StringListSortedTest, AddInsertsAtTheSortedPlace)
{
    TStringList list;
    list.SetSorted(true);
    EXPECT_EQ(list.Add("b"), 0);
    EXPECT_EQ(list.Add("a"), 0);
    EXPECT_EQ(list.Add("c"), 2);
    EXPECT_EQ(Items(list), QStringList({"a", "b", "c"}));

    int32_t index = -1;
    EXPECT_FALSE(list.Find("bb", index));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(list.Find("B", index));
    EXPECT_EQ(index, 1);
    EXPECT_EQ(list.IndexOf("C"), 2);
    EXPECT_EQ(list.IndexOf("d"), -1);
}

TEST(StringListSortedTest, DuplicatesDecideWhatAnEqualStringDoes)
{
    TStringList list;
    list.SetSorted(true);
    SetItems(list, {"a", "b", "c"});

    list.SetDuplicates(dupIgnore);
    EXPECT_EQ(list.Add("B"), 1);  // the existing item's index
    EXPECT_EQ(Items(list), QStringList({"a", "b", "c"}));

    list.SetDuplicates(dupError);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Add("B"); }),
              QStringLiteral("String list does not allow duplicates"));

    list.SetDuplicates(dupAccept);
    EXPECT_EQ(list.Add("B"), 1);  // before its equals
    EXPECT_EQ(Items(list), QStringList({"a", "B", "b", "c"}));

    TStringList unsorted;
    unsorted.SetDuplicates(dupError);  // applies to sorted lists only
    SetItems(unsorted, {"x", "x"});
    EXPECT_EQ(unsorted.Count(), 2);
}

TEST(StringListSortedTest, OperationsThatPlaceItemsAreRefused)
{
    TStringList list;
    list.SetSorted(true);
    SetItems(list, {"a", "b", "c"});
    const QString refused = QStringLiteral("Operation not allowed on sorted list");
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Insert(0, "x"); }), refused);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.InsertObject(0, "x", nullptr); }), refused);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetStrings(0, "x"); }), refused);
    EXPECT_EQ(Items(list), QStringList({"a", "b", "c"}));

    list.Exchange(0, 2);  // allowed, and the list is no longer in order
    EXPECT_EQ(Items(list), QStringList({"c", "b", "a"}));
    TObject object;
    list.SetObjects(0, &object);
    EXPECT_EQ(list.Objects(0), &object);

    // Refused before the item leaves its place, and without a stray empty line.
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.Move(0, 1); }), refused);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetValues("k", "v"); }), refused);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetValueFromIndex(-1, "v"); }), refused);
    EXPECT_EQ(Items(list), QStringList({"c", "b", "a"}));
    EXPECT_EQ(list.Objects(0), &object);
}

TEST(StringListSortedTest, SortFollowsCaseSensitivity)
{
    TStringList list;
    list.SetCaseSensitive(true);
    SetItems(list, {"b", "A", "\u00E9", "_", "E", "1", "a"});
    list.Sort();
    EXPECT_EQ(Items(list), QStringList({"_", "1", "a", "A", "b", "E", "\u00E9"}));
    EXPECT_EQ(list.IndexOf("e"), -1);

    list.SetCaseSensitive(false);
    EXPECT_EQ(list.IndexOf("e"), 5);
}

TEST(StringListSortedTest, EqualItemsEndWhereTheToolkitsQuicksortPutsThem)
{
    TStringList list;
    SetItems(list, {"A", "b", "a"});
    list.Sort();
    EXPECT_EQ(Items(list), QStringList({"a", "A", "b"}));  // a stable sort would keep "A" first
}

TEST(StringListSortedTest, SortedAndCaseSensitiveReorderTheList)
{
    TStringList list;
    SetItems(list, {"b", "B", "a", "A"});
    list.SetSorted(true);
    EXPECT_EQ(Items(list).join(QString()).toLower(), QStringLiteral("aabb"));
    list.SetCaseSensitive(true);  // re-sorts
    EXPECT_EQ(Items(list), QStringList({"a", "A", "b", "B"}));
    list.Sort();                  // already sorted: nothing to do
    EXPECT_EQ(list.Strings(0), QStringLiteral("a"));
}

TEST(StringListSortedTest, CustomSortPassesTheListAndIndexes)
{
    TStringList list;
    SetItems(list, {"a", "ccc", "bb", "dddd"});
    list.CustomSort([](TStringList* List, int32_t Index1, int32_t Index2) {
        return static_cast<int32_t>(List->Strings(Index2).size() - List->Strings(Index1).size());
    });
    EXPECT_EQ(Items(list), QStringList({"dddd", "ccc", "bb", "a"}));

    list.SetSorted(true);
    list.CustomSort([](TStringList*, int32_t, int32_t) -> int32_t {
        ADD_FAILURE() << "a sorted list is not sorted again";
        return 0;
    });
}

// ---- Editing, index errors and events ------------------------------------------------------

TEST(StringListTest, InsertDeleteMoveAndExchange)
{
    TStringList list;
    SetItems(list, {"a", "b", "c"});
    list.Insert(3, "d");
    list.Insert(0, "z");
    list.Delete(2);
    EXPECT_EQ(Items(list), QStringList({"z", "a", "c", "d"}));
    list.Move(0, 3);
    EXPECT_EQ(Items(list), QStringList({"a", "c", "d", "z"}));
    list.Exchange(0, 3);
    EXPECT_EQ(Items(list), QStringList({"z", "c", "d", "a"}));
    list.SetStrings(1, "C");
    EXPECT_EQ(list.IndexOf("c"), 1);
}

TEST(StringListTest, BadIndexesRaiseListIndexOutOfBounds)
{
    TStringList list;
    SetItems(list, {"a", "b"});
    struct Case {
        const char* operation;
        std::function<void()> action;
        int32_t index;
    };
    const Case cases[] = {
        {"Strings", [&] { list.Strings(-1); }, -1},
        {"Strings", [&] { list.Strings(2); }, 2},
        {"SetStrings", [&] { list.SetStrings(2, "x"); }, 2},
        {"Objects", [&] { list.Objects(3); }, 3},
        {"SetObjects", [&] { list.SetObjects(-2, nullptr); }, -2},
        {"Delete", [&] { list.Delete(2); }, 2},
        {"Exchange", [&] { list.Exchange(0, 5); }, 5},
        {"Insert", [&] { list.Insert(3, "x"); }, 3},
        {"Names", [&] { list.Names(2); }, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        EXPECT_EQ(MessageOf<EStringListError>(c.action), QStringLiteral("List index out of bounds (%1)").arg(c.index));
    }
    EXPECT_EQ(Items(list), QStringList({"a", "b"}));
}

TEST(StringListTest, CapacityGrowsAsTheToolkitsDoes)
{
    TStringList list;
    for (int i = 0; i < 13; ++i) list.Add(QString::number(i));
    EXPECT_EQ(list.Capacity(), 28);  // 4, 8, 12, then +16
    list.SetCapacity(100);
    EXPECT_EQ(list.Capacity(), 100);
    EXPECT_EQ(MessageOf<EStringListError>([&] { list.SetCapacity(5); }),
              QStringLiteral("List capacity out of bounds (5)"));
    list.Clear();
    EXPECT_EQ(list.Capacity(), 0);
}

class StringListEventsTest : public testing::Test {
protected:
    StringListEventsTest()
    {
        list.OnChanging = [this](TObject* Sender) { Record("changing", Sender); };
        list.OnChange = [this](TObject* Sender) { Record("change", Sender); };
    }
    void Record(const char* Event, TObject* Sender)
    {
        EXPECT_EQ(Sender, &list);
        log << QStringLiteral("%1:%2").arg(QLatin1String(Event)).arg(list.Count());
    }
    // The events recorded so far, then forgets them.
    QStringList Take() { return std::exchange(log, QStringList()); }

    TStringList list;
    QStringList log;
};

TEST_F(StringListEventsTest, EachChangeFiresChangingBeforeAndChangeAfter)
{
    list.Add("a");
    EXPECT_EQ(Take(), QStringList({"changing:0", "change:1"}));
    TObject object;
    list.SetObjects(0, &object);
    list.Exchange(0, 0);
    EXPECT_EQ(Take(), QStringList({"changing:1", "change:1", "changing:1", "change:1"}));
    list.Delete(0);
    EXPECT_EQ(Take(), QStringList({"changing:1", "change:0"}));
}

TEST_F(StringListEventsTest, AnUpdateBlockFiresOnceEvenWithoutChanges)
{
    list.BeginUpdate();
    list.Add("a");
    list.BeginUpdate();
    list.Add("b");
    list.EndUpdate();
    list.Delete(0);
    EXPECT_EQ(Take(), QStringList({"changing:0"}));
    list.EndUpdate();
    EXPECT_EQ(Take(), QStringList({"change:1"}));

    list.BeginUpdate();
    list.EndUpdate();
    EXPECT_EQ(Take(), QStringList({"changing:1", "change:1"}));
}

TEST_F(StringListEventsTest, BulkOperationsFireOnceAndFailuresOrNoOpsNotAtAll)
{
    list.SetText("c\nb\na");
    EXPECT_EQ(Take(), QStringList({"changing:0", "change:3"}));
    list.Sort();
    EXPECT_EQ(Take(), QStringList({"changing:3", "change:3"}));
    list.SetCommaText("x,y");
    EXPECT_EQ(Take(), QStringList({"changing:3", "change:2"}));

    EXPECT_THROW(list.Delete(7), EStringListError);
    EXPECT_THROW(list.Move(0, 9), EStringListError);  // refused before anything changes
    EXPECT_EQ(Take(), QStringList());
    EXPECT_THROW(list.Move(9, 0), EStringListError);  // the update still ends
    EXPECT_EQ(Take(), QStringList({"changing:2", "change:2"}));
    EXPECT_EQ(Items(list), QStringList({"x", "y"}));
    list.Clear();
    Take();
    list.Clear();
    EXPECT_EQ(Take(), QStringList());
}

// ---- Objects --------------------------------------------------------------------------------

TEST(StringListObjectsTest, AnOwningListDeletesTheObjectsOfRemovedItems)
{
    int deaths = 0;
    {
        TStringList list(true);
        list.AddObject("a", new TTracked(deaths));
        list.AddObject("b", new TTracked(deaths));
        list.AddObject("c", new TTracked(deaths));
        list.AddObject("d", new TTracked(deaths));
        list.Delete(0);
        EXPECT_EQ(deaths, 1);
        list.Move(0, 2);  // moving keeps the object
        EXPECT_EQ(deaths, 1);
        EXPECT_THROW(list.Move(0, 3), EStringListError);  // a bad target loses nothing
        EXPECT_EQ(list.Count(), 3);
        EXPECT_EQ(deaths, 1);
        EXPECT_EQ(list.IndexOfObject(list.Objects(2)), 2);
        list.Delete(2);
        EXPECT_EQ(deaths, 2);
        list.Clear();
        EXPECT_EQ(deaths, 4);
        list.AddObject("e", new TTracked(deaths));
    }
    EXPECT_EQ(deaths, 5);
}

TEST(StringListObjectsTest, AListThatDoesNotOwnLeavesObjectsAlone)
{
    int deaths = 0;
    TTracked first(deaths);
    TTracked second(deaths);
    {
        TStringList list;
        list.AddObject("a", &first);
        list.InsertObject(0, "b", &second);
        EXPECT_EQ(list.IndexOfObject(&first), 1);
        EXPECT_EQ(list.IndexOfObject(nullptr), -1);
        list.Delete(0);
        list.Clear();
        list.AddObject("c", &first);
    }
    EXPECT_EQ(deaths, 0);
}

// ---- Copying and comparing ------------------------------------------------------------------

TEST(StringListTest, AssignCopiesLinesObjectsAndTextSettings)
{
    TObject object;
    TStringList source;
    source.AddObject("b", &object);
    source.Add("a");
    source.SetDelimiter(u';');
    source.SetQuoteChar(u'\'');
    source.SetStrictDelimiter(true);
    source.SetNameValueSeparator(u':');

    TStringList target;
    target.SetSorted(true);
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.Add("old");
    changes = 0;
    target.Assign(&source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(Items(target), QStringList({"a", "b"}));  // the target stays sorted
    EXPECT_EQ(target.Objects(1), &object);
    EXPECT_EQ(target.Delimiter(), u';');
    EXPECT_EQ(target.QuoteChar(), u'\'');
    EXPECT_TRUE(target.StrictDelimiter());
    EXPECT_EQ(target.NameValueSeparator(), u':');

    class TNotStrings : public TPersistent {};
    TNotStrings other;
    EXPECT_EQ(MessageOf<EConvertError>([&] { target.Assign(&other); }),
              QStringLiteral("Cannot assign a TNotStrings to a TStringList"));
}

TEST(StringListTest, EqualsComparesLinesExactlyAndIgnoresObjects)
{
    TObject object;
    TStringList a;
    TStringList b;
    SetItems(a, {"x", "y"});
    b.AddObject("x", &object);
    b.Add("y");
    EXPECT_TRUE(a.Equals(&b));
    b.SetStrings(1, "Y");
    EXPECT_FALSE(a.Equals(&b));
    b.Delete(1);
    EXPECT_FALSE(a.Equals(&b));
}

TEST(StringListTest, AddStringsAppendsInOneUpdate)
{
    TStringList source;
    SetItems(source, {"1", "2"});
    TStringList target;
    target.Add("0");
    int changes = 0;
    target.OnChange = [&](TObject*) { ++changes; };
    target.AddStrings(&source);
    EXPECT_EQ(Items(target), QStringList({"0", "1", "2"}));
    EXPECT_EQ(changes, 1);

    // A list given itself: AddStrings doubles it, Assign keeps it.
    TObject object;
    target.SetObjects(1, &object);
    target.AddStrings(&target);
    EXPECT_EQ(Items(target), QStringList({"0", "1", "2", "0", "1", "2"}));
    EXPECT_EQ(target.Objects(4), &object);
    target.Assign(&target);
    EXPECT_EQ(Items(target), QStringList({"0", "1", "2", "0", "1", "2"}));
}

// ---- The abstract TStrings ------------------------------------------------------------------

TEST(StringsBaseTest, DefaultOperationsWorkThroughTheAbstractOnes)
{
    TPlainStrings list;
    TObject object;
    EXPECT_EQ(list.AddObject("b", &object), 0);
    EXPECT_EQ(list.Objects(0), nullptr);  // a list without objects drops them
    list.SetCommaText("a,\"b c\",d");
    list.SetStrings(1, "B");
    list.Exchange(0, 2);
    list.Move(0, 1);
    EXPECT_EQ(Items(list), QStringList({"B", "d", "a"}));
    EXPECT_EQ(list.IndexOf("D"), 1);
    list.SetValues("k", "v");
    EXPECT_EQ(list.Text(), QStringLiteral("B\r\nd\r\na\r\nk=v\r\n"));
    EXPECT_EQ(list.Capacity(), 4);
}

// ---- Files ----------------------------------------------------------------------------------

TEST(StringsFileTest, LoadDetectsTheEncodingAndSaveKeepsIt)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        QStringList lines;
        TTextEncoding encoding;
        QByteArray saved;
    };
    const Case cases[] = {
        {"1252", Bytes({0x80, 'u', 'r', 'o', '\r', '\n', 0xE8, '\n'}), {"\u20ACuro", "\u00E8"}, teANSI,
         Bytes({0x80, 'u', 'r', 'o', '\r', '\n', 0xE8, '\r', '\n'})},
        {"utf8", Bytes({0xEF, 0xBB, 0xBF, 'a', '\r', 'b', '\n', 'c', '\r', '\n', 0xC3, 0xA8}), {"a", "b", "c", "\u00E8"},
         teUTF8, Bytes({0xEF, 0xBB, 0xBF, 'a', '\r', '\n', 'b', '\r', '\n', 'c', '\r', '\n', 0xC3, 0xA8, '\r', '\n'})},
        {"utf16le", Bytes({0xFF, 0xFE, 'x', 0, '\n', 0, 0xAC, 0x20}), {"x", "\u20AC"}, teUnicode,
         Bytes({0xFF, 0xFE, 'x', 0, '\r', 0, '\n', 0, 0xAC, 0x20, '\r', 0, '\n', 0})},
        {"utf16be", Bytes({0xFE, 0xFF, 0, 'x', 0, '\r', 0, 'y'}), {"x", "y"}, teBigEndianUnicode,
         Bytes({0xFE, 0xFF, 0, 'x', 0, '\r', 0, '\n', 0, 'y', 0, '\r', 0, '\n'})},
        {"empty", QByteArray(), {}, teANSI, QByteArray()},
        {"mark only", Bytes({0xEF, 0xBB, 0xBF}), {}, teUTF8, Bytes({0xEF, 0xBB, 0xBF})},
        {"nul", Bytes({'a', 0, 'b', '\r', '\n', 'c'}), {"a"}, teANSI, Bytes({'a', '\r', '\n'})},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TStringList list;
        list.LoadFromFile(folder.Write("in.txt", c.bytes));
        EXPECT_EQ(Items(list), c.lines);
        EXPECT_EQ(list.Encoding(), c.encoding);
        list.SaveToFile(folder.File("out.txt"));
        EXPECT_EQ(folder.Read("out.txt").toHex(), c.saved.toHex());
    }
}

TEST(StringsFileTest, SaveUsesTheGivenEncodingAndWriteBOM)
{
    TStringList list;
    SetItems(list, {"\u20AC", "\u00E8"});
    struct Case {
        std::optional<TTextEncoding> encoding;
        bool writeBom;
        QByteArray bytes;
    };
    const Case cases[] = {
        {std::nullopt, true, Bytes({0x80, '\r', '\n', 0xE8, '\r', '\n'})},  // never loaded: 1252
        {teUnicode, true, Bytes({0xFF, 0xFE, 0xAC, 0x20, '\r', 0, '\n', 0, 0xE8, 0, '\r', 0, '\n', 0})},
        {teUTF8, false, Bytes({0xE2, 0x82, 0xAC, '\r', '\n', 0xC3, 0xA8, '\r', '\n'})},
        {teASCII, true, Bytes({'?', '\r', '\n', '?', '\r', '\n'})},
    };
    TempFolder folder;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bytes.toHex().toStdString());
        list.SetWriteBOM(c.writeBom);
        list.SaveToFile(folder.File("out.txt"), c.encoding);
        EXPECT_EQ(folder.Read("out.txt").toHex(), c.bytes.toHex());
        TBytesStream stream;
        list.SaveToStream(&stream, c.encoding);
        EXPECT_EQ(stream.Bytes().toHex(), c.bytes.toHex());
    }
    EXPECT_EQ(list.Encoding(), teANSI);  // saving does not change it
}

TEST(StringsFileTest, LoadFromStreamReadsFromThePositionInAGivenEncoding)
{
    TBytesStream stream(QByteArray("skip") + Bytes({0xEF, 0xBB, 0xBF, 'a', 0xC3, 0xA8, '\n', 'b'}));
    TStringList list;
    stream.SetPosition(4);
    list.LoadFromStream(&stream);
    EXPECT_EQ(Items(list), QStringList({"a\u00E8", "b"}));
    EXPECT_EQ(list.Encoding(), teUTF8);

    stream.SetPosition(4);
    list.LoadFromStream(&stream, teUTF8);  // its own mark is skipped
    EXPECT_EQ(Items(list), QStringList({"a\u00E8", "b"}));

    stream.SetPosition(4);
    list.LoadFromStream(&stream, teANSI);  // another mark is text
    EXPECT_EQ(Items(list), QStringList({"\u00EF\u00BB\u00BFa\u00C3\u00A8", "b"}));
    EXPECT_EQ(list.Encoding(), teANSI);
}

TEST(StringsFileTest, FileErrorsNameTheFile)
{
    TempFolder folder;
    TStringList list;
    list.Add("kept");
    const QString missing = folder.File("missing.txt");
    EXPECT_EQ(MessageOf<EFOpenError>([&] { list.LoadFromFile(missing); }),
              QStringLiteral("Cannot open file \"%1\". The system cannot find the file specified").arg(missing));
    EXPECT_EQ(Items(list), QStringList({"kept"}));
    EXPECT_THROW(list.SaveToFile(folder.File("no/such/folder.txt")), EFCreateError);
}

TEST(StringsFileTest, ManyLinesSurviveASaveAndLoad)
{
    TempFolder folder;
    TStringList list;
    for (int i = 0; i < 50000; ++i) list.Add(QStringLiteral("line %1 \u00E8").arg(i));
    list.SaveToFile(folder.File("big.txt"), teUTF8);
    TStringList loaded;
    loaded.LoadFromFile(folder.File("big.txt"));
    EXPECT_TRUE(loaded.Equals(&list));
}
