#include "unicode/name_table.h"

#include <gtest/gtest.h>

#include <string>

#include "../app/temp_folder.h"
#include "fake_name_service.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

using testing::FakeNameService;
using Names = std::vector<std::string_view>;

constexpr std::optional<std::string_view> kNoFile = std::nullopt;

// A service shaped like the system's: controls, a name, an empty name, "Undefined" elsewhere.
FakeNameService SmallService() {
    return FakeNameService({{0x0041, "Latin Capital Letter A"},
                            {0x0080, "<Control>"},
                            {0x0082, "<Control>"},
                            {0x0221, ""}},
                           "Undefined");
}

NameTable Load(const NameService& service, std::optional<std::string_view> names,
               std::optional<std::string_view> entities = kNoFile) {
    NameTable table;
    table.LoadCharData(service, names, entities);
    return table;
}

TEST(NameTable, DataFileOnlyFillsEmptyOrUndefinedNames) {
    const NameTable table = Load(SmallService(),
                                 "0041,From File A\r\n0221,Latin Small Letter D With Curl\r\n"
                                 "0378,First\r\n0378,Second\r\n0082,Not A Control\r\n"
                                 "4E00,Not In A Range\r\n2E2E, Reversed, Old Style ,\r\n");
    EXPECT_EQ(table.CharName(0x0041), "Latin Capital Letter A");
    EXPECT_EQ(table.CharName(0x0221), "Latin Small Letter D With Curl");
    EXPECT_EQ(table.CharName(0x0378), "First");  // the first entry of a code point wins
    EXPECT_EQ(table.CharName(0x0082), "<Control>");
    EXPECT_EQ(table.CharName(0x4E00), "Not In A Range");  // ranges store no name
    EXPECT_EQ(table.CharName(0x2E2E), "Reversed, Old Style");
    // A service that says it wrote more than the buffer holds is read no further than the buffer.
    FakeNameService liar({{0x0041, "A"}}, "");
    liar.ReportLength(100000);
    EXPECT_EQ(Load(liar, kNoFile).CharName(0x0041).size(), NameService::kBufferSize);
}

// Naming page by page on demand asks the service only for the page in question, and every
// answer is the one loading the whole plane at once gives.
TEST(NameTable, OnDemandNamesOnePageAndAnswersAsLoadingAtOnce) {
    const std::string file =
        "0221,Latin Small Letter D With Curl\r\n0378,First\r\n0378,Second\r\n"
        "4E00,Not In A Range\r\n0080,Not A Control\r\n";
    testing::TempFolder folder;
    testing::WriteBytes(folder / "names.csv", file);
    auto service = std::make_shared<FakeNameService>(SmallService());
    NameTable lazy;
    lazy.LoadCharDataOnDemand(service, {folder / "names.csv", folder / "none.ent"});
    EXPECT_TRUE(service->Asked().empty());
    EXPECT_EQ(lazy.CharName(0x0221), "Latin Small Letter D With Curl");
    EXPECT_EQ(service->Asked().size(), 256u);
    const std::string_view held = lazy.CharName(0x0221);
    const NameTable eager = Load(SmallService(), file);
    for (long cp = 0; cp < NameTable::kCodePointCount; ++cp)
        ASSERT_EQ(lazy.CharName(cp), eager.CharName(cp)) << cp;
    EXPECT_EQ(held, "Latin Small Letter D With Curl");  // texts stay where later pages went
    EXPECT_EQ(eager.CharName(0x0080), "Padding Character");
}

// A table loaded again keeps nothing of the earlier data; a copy keeps its own records.
TEST(NameTable, LoadingAgainStartsEmptyAndCopiesStandAlone) {
    NameTable table = Load(SmallService(), "0378,First\r\n", "0026,IE,amp\r\n");
    const NameTable copy = table;
    table.LoadCharData(SmallService(), "0379,Second\r\n", kNoFile);
    EXPECT_EQ(table.CharName(0x0378), "Undefined");
    EXPECT_EQ(table.Entities(0x0026), "");
    EXPECT_EQ(table.CharName(0x0379), "Second");
    EXPECT_EQ(copy.CharName(0x0378), "First");
    EXPECT_EQ(copy.Entities(0x0026), "amp");
    EXPECT_EQ(copy.CharName(0x0379), "Undefined");
}

// Bad name data: every line is ignored or stored as given, nothing else happens.
TEST(NameTable, BadNameDataIsSkippedOrStoredSafely) {
    const std::string huge(1 << 20, 'n');
    const std::string text =
        "; comment\r\n// comment\r\n0300,LF Line\n0301,CR Line\r12G4,Not Hex\r\n"
        "10000,Above The Plane\r\nFFFFFFFFFFFFFFFFFFFF,Huge Code\r\n"
        "0303,   ,  ,\r\n" +
        std::string("0305,Nul\0Inside\r\n", 17) + "0306,Bad \xFF Byte\r\n" + "0307," + huge +
        "\r\n0308," + std::string(200, 'm') + "\r\nFFFF,Last\r\nABC\r\n";
    const NameTable table = Load(FakeNameService({}, "Undefined"), text);
    EXPECT_EQ(table.CharName(0x0300), "LF Line");
    EXPECT_EQ(table.CharName(0x0301), "CR Line");
    EXPECT_EQ(table.CharName(0x12), "Undefined");
    EXPECT_EQ(table.CharName(0x0303), "Undefined");  // only spaces and commas: no name
    EXPECT_EQ(table.CharName(0x0305), std::string_view("Nul\0Inside", 10));
    EXPECT_EQ(table.CharName(0x0306), "Bad \xEF\xBF\xBD Byte");
    EXPECT_EQ(table.CharName(0x0307), huge);
    EXPECT_EQ(table.CharName(0x0308), std::string(200, 'm'));  // a two-byte length
    EXPECT_EQ(table.CharName(0xFFFF), "Last");
    EXPECT_EQ(table.CharName(0x0ABC), "ABC");  // a line without a comma is code and name
    EXPECT_EQ(table.CharName(0x10000), "");
    EXPECT_EQ(table.CharName(-1), "");
}

TEST(EntityTable, ReadsCodesFlagsAndNamesAndSkipsBadLines) {
    const NameTable table = Load(FakeNameService({}, ""), kNoFile,
                                 "; comment\r\n0026,IE,amp\r\n002A,  ,ast,midast\r\n"
                                 "00A0,ie,nbsp,NonBreakingSpace\r\n00EA, iE , ecirc , \r\n"
                                 "0030,  ,dup\r\n0031,  ,x,dup\r\nFFFF,  ,last\r\n"
                                 "0041,IE\r\n0042,IE,\r\n0043\r\n0044,  , , ,\r\n00G5,  ,gee\r\n"
                                 "10000,IE,big\r\n,  ,zero\r\n0048,  ,bad\xFFname\r\n"
                                 "0049,  ,a,,b\r\n0026,  ,AMP,ampersand\r\n");
    EXPECT_EQ(table.Entities(0x002A), "ast,midast");
    EXPECT_EQ(table.IEFlag(0x002A), 0);
    EXPECT_EQ(table.Code(0x002A), 0x002A);
    EXPECT_EQ(table.IEFlag(0x00A0), 1);  // flag case does not matter
    EXPECT_EQ(table.EntityNames(0x00A0), (Names{"nbsp", "NonBreakingSpace"}));
    EXPECT_EQ(table.Entities(0x00EA), "ecirc");
    EXPECT_EQ(table.IEFlag(0x00EA), 1);
    for (long cp : {0x41, 0x42, 0x43, 0x44, 0x45}) {
        EXPECT_EQ(table.Entities(cp), "") << cp;
        EXPECT_EQ(table.Code(cp), 0) << cp;
    }
    EXPECT_EQ(table.FindEntity("big"), std::nullopt);
    EXPECT_EQ(table.FindEntity("zero"), 0);  // an empty code is U+0000
    EXPECT_EQ(table.Entities(0x0048), "bad\xEF\xBF\xBDname");
    EXPECT_EQ(table.EntityNames(0x0049), (Names{"a", "b"}));
    // A later line replaces the names but keeps the flag.
    EXPECT_EQ(table.Entities(0x0026), "AMP,ampersand");
    EXPECT_EQ(table.IEFlag(0x0026), 1);
    // The search scans upwards within its bounds, for whole names only.
    EXPECT_EQ(table.FindEntity("amp"), std::nullopt);
    EXPECT_EQ(table.FindEntity("dup"), 0x30);
    EXPECT_EQ(table.FindEntity("dup", 0x31), 0x31);
    EXPECT_EQ(table.FindEntity("dup", 0x32), std::nullopt);
    EXPECT_EQ(table.FindEntity("dup", 0, 0x2F), std::nullopt);
    EXPECT_EQ(table.FindEntity("last", -5, 0x7FFFFFFF), 0xFFFF);
    EXPECT_EQ(table.FindEntity("last", 0x10, 0x5), std::nullopt);
    EXPECT_EQ(table.FindEntity("du"), std::nullopt);
    EXPECT_EQ(table.FindEntity(""), std::nullopt);
}

}  // namespace
}  // namespace glyphora
