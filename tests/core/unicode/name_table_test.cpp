#include "unicode/name_table.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "fake_name_service.h"
#include "unicode/builtin_data.h"

namespace glyphora {
namespace {

using testing::FakeNameService;

constexpr std::optional<std::string_view> kNoFile = std::nullopt;

// A service shaped like the system's: controls, a few names, "Undefined" elsewhere.
FakeNameService SmallService() {
    return FakeNameService({{0x0041, "Latin Capital Letter A"},
                            {0x0080, "<Control>"},
                            {0x0081, "<Control>"},
                            {0x0082, "<Control>"},
                            {0x0099, "Some Other Name"},
                            {0x0221, ""},
                            {0x9FA6, "Service Name 9FA6"},
                            {0xFA2E, "Service Name FA2E"}},
                           "Undefined");
}

NameTable Load(const NameService& service, std::optional<std::string_view> names,
               std::optional<std::string_view> entities = kNoFile) {
    NameTable table;
    table.LoadCharData(service, names, entities);
    return table;
}

TEST(NameTable, EmptyBeforeLoadingExceptTheAlgorithmicRanges) {
    const NameTable table;
    EXPECT_EQ(table.CharName(0x0041), "");
    EXPECT_EQ(table.CharName(0x4E00), "CJK Unified Ideograph");
    EXPECT_EQ(table.Entities(0x0026), "");
    EXPECT_EQ(table.FindEntity("amp"), std::nullopt);
}

TEST(NameTable, AlgorithmicRangesAreNeverAskedOfTheService) {
    const FakeNameService service = SmallService();
    Load(service, kNoFile);
    EXPECT_EQ(service.Asked().size(), 29292u);
    for (char16_t cp : service.Asked()) {
        for (const auto& range : kAlgorithmicRanges)
            ASSERT_FALSE(cp >= range.first && cp <= range.last) << std::hex << int{cp};
    }
}

TEST(NameTable, RangeNamesAtTheBoundaries) {
    const FakeNameService service = SmallService();
    const NameTable table = Load(service, kNoFile);
    const struct {
        long cp;
        std::string_view name;
    } cases[] = {
        {0x3400, "CJK Unified Ideograph"},
        {0x4DBF, "CJK Unified Ideograph"},
        {0x4E00, "CJK Unified Ideograph"},
        {0x9FA5, "CJK Unified Ideograph"},
        {0x9FA6, "Service Name 9FA6"},
        {0xD800, "Non Private Use High Surrogate"},
        {0xDB7F, "Non Private Use High Surrogate"},
        {0xDB80, "Private Use High Surrogate"},
        {0xDBFF, "Private Use High Surrogate"},
        {0xDC00, "Low Surrogate"},
        {0xDFFF, "Low Surrogate"},
        {0xE000, "Private Use"},
        {0xF8FF, "Private Use"},
        {0xF900, "CJK Compatibility Ideograph"},
        {0xFA2D, "CJK Compatibility Ideograph"},
        {0xFA2E, "Service Name FA2E"},
        {0x33FF, "Undefined"},
    };
    for (const auto& c : cases) EXPECT_EQ(table.CharName(c.cp), c.name) << std::hex << c.cp;
    EXPECT_EQ(table.Name(0x4E00), "");  // named by the range, not stored
}

TEST(NameTable, FixedControlNamesReplaceOnlyControl) {
    const FakeNameService service = SmallService();
    const NameTable table = Load(service, kNoFile);
    EXPECT_EQ(table.CharName(0x0080), "Padding Character");
    EXPECT_EQ(table.CharName(0x0081), "High Octet Preset");
    EXPECT_EQ(table.CharName(0x0082), "<Control>");
    EXPECT_EQ(table.CharName(0x0084), "Undefined");  // not "<Control>" here, so left alone
    EXPECT_EQ(table.CharName(0x0099), "Some Other Name");
}

TEST(NameTable, DataFileOnlyFillsEmptyOrUndefinedNames) {
    const FakeNameService service = SmallService();
    const NameTable table = Load(service,
                                 "0041,From File A\r\n"
                                 "0221,Latin Small Letter D With Curl\r\n"
                                 "0378,Filled Undefined\r\n"
                                 "0082,Not A Control\r\n"
                                 "4E00,Not In A Range\r\n");
    EXPECT_EQ(table.CharName(0x0041), "Latin Capital Letter A");
    EXPECT_EQ(table.CharName(0x0221), "Latin Small Letter D With Curl");
    EXPECT_EQ(table.CharName(0x0378), "Filled Undefined");
    EXPECT_EQ(table.CharName(0x0082), "<Control>");
    // Range code points have no stored name, so the file may give one.
    EXPECT_EQ(table.CharName(0x4E00), "Not In A Range");
}

TEST(NameTable, DataFileNameKeepsInnerCommasAndLosesOuterSpacesAndCommas) {
    const FakeNameService service({}, "");
    const NameTable table = Load(service, "2E2E, Reversed Question Mark, Old Style ,\r\n");
    EXPECT_EQ(table.CharName(0x2E2E), "Reversed Question Mark, Old Style");
}

TEST(NameTable, FirstDataFileEntryForACodePointWins) {
    const FakeNameService service({}, "");
    const NameTable table = Load(service, "0378,First\r\n0378,Second\r\n");
    EXPECT_EQ(table.CharName(0x0378), "First");
}

TEST(NameTable, WithoutFilesOnlyServiceAndFixedNames) {
    const FakeNameService service({{0x0080, "<Control>"}}, "");
    const NameTable table = Load(service, kNoFile, kNoFile);
    EXPECT_EQ(table.CharName(0x0080), "Padding Character");
    EXPECT_EQ(table.CharName(0x0221), "");
    for (long cp = 0; cp < NameTable::kCodePointCount; ++cp) ASSERT_EQ(table.Entities(cp), "");
}

TEST(NameTable, ReloadingReplacesTheEarlierTable) {
    const FakeNameService service({}, "");
    NameTable table;
    table.LoadCharData(service, "0378,Old\r\n", "0026,IE,amp\r\n");
    table.LoadCharData(service, kNoFile, kNoFile);
    EXPECT_EQ(table.CharName(0x0378), "");
    EXPECT_EQ(table.Entities(0x0026), "");
    EXPECT_EQ(table.IEFlag(0x0026), 0);
}

TEST(NameTable, ServiceNamesAreCutToTheBufferAndMadeValidUtf8) {
    FakeNameService service({{0x0041, std::string(1000, 'x')}, {0x0042, "bad \xC3 byte"}}, "");
    const NameTable table = Load(service, kNoFile);
    EXPECT_EQ(table.CharName(0x0041), std::string(NameService::kBufferSize, 'x'));
    EXPECT_EQ(table.CharName(0x0042), "bad \xEF\xBF\xBD byte");

    FakeNameService liar({{0x0041, "A"}}, "");
    liar.ReportLength(100000);  // more than it could have written
    const NameTable cut = Load(liar, kNoFile);
    EXPECT_EQ(cut.CharName(0x0041).size(), NameService::kBufferSize);
}

// Bad name data: every line is ignored or stored as given, nothing else happens.
TEST(NameTable, BadNameDataIsSkippedOrStoredSafely) {
    const FakeNameService service({}, "Undefined");
    const std::string huge(1 << 20, 'n');
    const std::string text =
        std::string("; comment\r\n") + "// comment\r\n" + "0300,Grave In LF Line\n" +  // LF alone
        "0301,Acute In CR Line\r" +                                                    // CR alone
        "12G4,Not Hex\r\n" + "-041,Negative\r\n" + " 0302,Leading Space\r\n" +
        "10000,Above The Plane\r\n" + "FFFFFFFFFFFFFFFFFFFF,Huge Code\r\n" +
        "0303,   ,  ,\r\n" +  // only spaces and commas: empty name
        "0304,\r\n" + "\r\n" + std::string("0305,Nul\0Inside\r\n", 17) +
        "0306,Bad \xFF\xFE Bytes\r\n" + "0307," + huge + "\r\n" + "FFFF,Last\r\n" + "ABC\r\n";
    const NameTable table = Load(service, text);
    EXPECT_EQ(table.CharName(0x0300), "Grave In LF Line");
    EXPECT_EQ(table.CharName(0x0301), "Acute In CR Line");
    EXPECT_EQ(table.CharName(0x12), "Undefined");
    EXPECT_EQ(table.CharName(0x0041), "Undefined");
    EXPECT_EQ(table.CharName(0x0302), "Undefined");
    EXPECT_EQ(table.CharName(0x0303), "Undefined");
    EXPECT_EQ(table.CharName(0x0304), "Undefined");
    EXPECT_EQ(table.CharName(0x0305), std::string_view("Nul\0Inside", 10));
    EXPECT_EQ(table.CharName(0x0306), "Bad \xEF\xBF\xBD\xEF\xBF\xBD Bytes");
    EXPECT_EQ(table.CharName(0x0307), huge);
    EXPECT_EQ(table.CharName(0xFFFF), "Last");
    // A line without a comma is its own code and name.
    EXPECT_EQ(table.CharName(0x0ABC), "ABC");
    EXPECT_EQ(table.CharName(0x10000), "");
    EXPECT_EQ(table.CharName(-1), "");
}

TEST(NameTable, LoadedFromFiles) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "glyphora_name_table_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path dir = pattern;
    std::filesystem::create_directories(dir / "folder.ent");
    {
        std::ofstream(dir / "glyphora.csv", std::ios::binary) << "\xEF\xBB\xBF"
                                                                 "0378,With BOM\r\n";
        std::ofstream(dir / "glyphora.ent", std::ios::binary) << "0026,IE,amp\r\n";
    }
    const FakeNameService service({}, "");
    NameTable table;
    table.LoadCharData(service, CharDataFiles{dir / "glyphora.csv", dir / "glyphora.ent"});
    EXPECT_EQ(table.CharName(0x0378), "With BOM");
    EXPECT_EQ(table.Entities(0x0026), "amp");

    // A missing file and a folder in place of a file both count as no file.
    table.LoadCharData(service, CharDataFiles{dir / "missing.csv", dir / "folder.ent"});
    EXPECT_EQ(table.CharName(0x0378), "");
    EXPECT_EQ(table.FindEntity("amp"), std::nullopt);
    std::filesystem::remove_all(dir);
}

TEST(EntityTable, FieldsAfterLoading) {
    const FakeNameService service({}, "");
    const NameTable table = Load(service, kNoFile,
                                 "; comment\r\n"
                                 "0026,IE,amp\r\n"
                                 "002A,  ,ast,midast\r\n"
                                 "00A0,IE,nbsp,NonBreakingSpace\r\n"
                                 "00E9,ie,eacute\r\n"
                                 "00EA, iE , ecirc , \r\n");
    EXPECT_EQ(table.Entities(0x0026), "amp");
    EXPECT_EQ(table.IEFlag(0x0026), 1);
    EXPECT_EQ(table.Code(0x0026), 0x0026);
    EXPECT_EQ(table.Entities(0x002A), "ast,midast");
    EXPECT_EQ(table.IEFlag(0x002A), 0);
    EXPECT_EQ(table.Code(0x002A), 0x002A);
    EXPECT_EQ(table.Entities(0x0041), "");
    EXPECT_EQ(table.Code(0x0041), 0);
    EXPECT_EQ(table.IEFlag(0x00E9), 1);  // flag case does not matter
    EXPECT_EQ(table.Entities(0x00EA), "ecirc");
    EXPECT_EQ(table.IEFlag(0x00EA), 1);
    EXPECT_EQ(table.EntityNames(0x00A0),
              (std::vector<std::string_view>{"nbsp", "NonBreakingSpace"}));
    EXPECT_TRUE(table.EntityNames(0x0041).empty());
}

TEST(EntityTable, LaterLineReplacesNamesButKeepsTheFlag) {
    const FakeNameService service({}, "");
    const NameTable table = Load(service, kNoFile, "0026,IE,amp\r\n0026,  ,AMP,ampersand\r\n");
    EXPECT_EQ(table.Entities(0x0026), "AMP,ampersand");
    EXPECT_EQ(table.IEFlag(0x0026), 1);
    EXPECT_EQ(table.FindEntity("amp"), std::nullopt);
}

TEST(EntityTable, BadLinesAreSkipped) {
    const FakeNameService service({}, "");
    const NameTable table = Load(service, kNoFile,
                                 "0041,IE\r\n"       // no names
                                 "0042,IE,\r\n"      // no names
                                 "0043\r\n"          // no comma
                                 "0044,  , , ,\r\n"  // only commas
                                 "00G5,  ,gee\r\n"   // not hex
                                 "10000,IE,big\r\n"  // above the plane
                                 "// 0046,IE,slash\r\n"
                                 ";0047,IE,semi\r\n"
                                 ",  ,zero\r\n"  // empty code is U+0000
                                 "0048,  ,bad\xFFname\r\n"
                                 "0049,  ,a,,b\r\n");
    for (long cp : {0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47}) {
        EXPECT_EQ(table.Entities(cp), "") << cp;
        EXPECT_EQ(table.IEFlag(cp), 0) << cp;
        EXPECT_EQ(table.Code(cp), 0) << cp;
    }
    EXPECT_EQ(table.FindEntity("big"), std::nullopt);
    EXPECT_EQ(table.FindEntity("gee"), std::nullopt);
    EXPECT_EQ(table.FindEntity("zero"), 0);
    EXPECT_EQ(table.Entities(0x0048), "bad\xEF\xBF\xBDname");
    EXPECT_EQ(table.EntityNames(0x0049), (std::vector<std::string_view>{"a", "b"}));
    EXPECT_EQ(table.FindEntity(""), std::nullopt);
}

TEST(EntityTable, SearchScansUpwardsWithinBounds) {
    const FakeNameService service({}, "");
    const NameTable table =
        Load(service, kNoFile, "0030,  ,dup\r\n0031,  ,x,dup\r\nFFFF,  ,last\r\n");
    EXPECT_EQ(table.FindEntity("dup"), 0x30);
    EXPECT_EQ(table.FindEntity("dup", 0x31), 0x31);
    EXPECT_EQ(table.FindEntity("dup", 0x32), std::nullopt);
    EXPECT_EQ(table.FindEntity("dup", 0, 0x2F), std::nullopt);
    EXPECT_EQ(table.FindEntity("last", -5, 0x7FFFFFFF), 0xFFFF);
    EXPECT_EQ(table.FindEntity("last", 0x10, 0x5), std::nullopt);
    EXPECT_EQ(table.FindEntity("du"), std::nullopt);  // whole names only
}

TEST(EntityTable, BuiltInData) {
    const FakeNameService service({}, "");
    NameTable table;
    table.LoadCharData(service, kNoFile, builtin::EntityData());
    EXPECT_EQ(table.Entities(0x0026), "amp");
    EXPECT_EQ(table.IEFlag(0x0026), 1);
    EXPECT_EQ(table.Entities(0x002A), "ast,midast");
    EXPECT_EQ(table.IEFlag(0x002A), 0);
    EXPECT_EQ(table.Entities(0x0041), "");
    EXPECT_EQ(table.FindEntity("nbsp"), 0x00A0);
    EXPECT_EQ(table.FindEntity("NonBreakingSpace"), 0x00A0);
    EXPECT_EQ(table.FindEntity("NBSP"), std::nullopt);
    EXPECT_EQ(table.IEFlag(0x00A0), 1);
    EXPECT_EQ(table.FindEntity("eacute"), 0x00E9);
}

}  // namespace
}  // namespace glyphora
