// The system code page: from the registry's "ACP" when it names a supported
// page, else from the user's language, as the archives' system maps it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/registry.h"
#include "platform/system_code_page.h"
#include "ylogs/text/codepage.h"

namespace orvex {
namespace {

struct LocaleCase {
  const char* locale;
  int code_page;
};

class CodePageForLocaleTest : public ::testing::TestWithParam<LocaleCase> {};

TEST_P(CodePageForLocaleTest, MapsTheLanguageAsTheSystemDoes) {
  EXPECT_EQ(CodePageForLocale(GetParam().locale), GetParam().code_page);
  EXPECT_TRUE(IsSupportedSystemCodePage(GetParam().code_page));
  EXPECT_TRUE(IsSupportedCodePage(GetParam().code_page));
}

INSTANTIATE_TEST_SUITE_P(
    Locales, CodePageForLocaleTest,
    ::testing::Values(
        LocaleCase{"th_TH.UTF-8", 874}, LocaleCase{"cs_CZ.UTF-8", 1250}, LocaleCase{"hu_HU", 1250},
        LocaleCase{"pl_PL.UTF-8", 1250}, LocaleCase{"ro_RO", 1250}, LocaleCase{"hr_HR", 1250},
        LocaleCase{"sk_SK", 1250}, LocaleCase{"sl_SI", 1250}, LocaleCase{"sq_AL", 1250},
        LocaleCase{"bs_BA", 1250}, LocaleCase{"sr_RS@latin", 1250},
        LocaleCase{"sr_RS.UTF-8@latin", 1250}, LocaleCase{"sr-Latn-RS", 1250},
        LocaleCase{"sr_RS.UTF-8", 1251}, LocaleCase{"ru_RU.UTF-8", 1251}, LocaleCase{"uk_UA", 1251},
        LocaleCase{"be_BY", 1251}, LocaleCase{"bg_BG", 1251}, LocaleCase{"mk_MK", 1251},
        LocaleCase{"kk_KZ", 1251}, LocaleCase{"ky_KG", 1251}, LocaleCase{"tt_RU", 1251},
        LocaleCase{"mn_MN", 1251}, LocaleCase{"en_US.UTF-8", 1252}, LocaleCase{"de_DE", 1252},
        LocaleCase{"es_ES.UTF-8", 1252}, LocaleCase{"pt_BR", 1252}, LocaleCase{"C", 1252},
        LocaleCase{"POSIX", 1252}, LocaleCase{"C.UTF-8", 1252}, LocaleCase{"", 1252},
        LocaleCase{"eo", 1252}, LocaleCase{"el_GR.UTF-8", 1253}, LocaleCase{"EL_gr", 1253},
        LocaleCase{"tr_TR.UTF-8", 1254}, LocaleCase{"az_AZ", 1254}, LocaleCase{"he_IL", 1255},
        LocaleCase{"ar_EG.UTF-8", 1256}, LocaleCase{"fa_IR", 1256}, LocaleCase{"ur_PK", 1256},
        LocaleCase{"et_EE", 1257}, LocaleCase{"lv_LV", 1257}, LocaleCase{"lt_LT.UTF-8", 1257},
        LocaleCase{"vi_VN", 1258}, LocaleCase{"ja_JP.UTF-8", 65001},
        LocaleCase{"zh_CN.GB18030", 65001}, LocaleCase{"zh_TW.UTF-8", 65001},
        LocaleCase{"ko_KR.EUC-KR", 65001}),
    [](const ::testing::TestParamInfo<LocaleCase>& info) { return std::to_string(info.index); });

TEST(UserLocale, LcAllThenLcCtypeThenLang) {
  EXPECT_EQ(UserLocale({"el_GR", "ru_RU", "pl_PL"}), "el_GR");
  EXPECT_EQ(UserLocale({"", "ru_RU", "pl_PL"}), "ru_RU");
  EXPECT_EQ(UserLocale({"", "", "pl_PL"}), "pl_PL");
  EXPECT_EQ(UserLocale({"", "", ""}), "");
}

class MapRegistry : public Registry {
 public:
  std::string ReadString(const std::string& key, const std::string& value_name) override {
    const auto found = values.find(key + "|" + value_name);
    return found == values.end() ? std::string() : found->second;
  }
  std::optional<std::int32_t> ReadInteger(const std::string&, const std::string&) override {
    return std::nullopt;
  }
  void WriteInteger(const std::string&, const std::string&, std::int32_t) override {}
  std::map<std::string, std::string> values;
};

struct ChoiceCase {
  const char* acp;  // null: no value
  int code_page;
  const char* unsupported;
};

class ChooseSystemCodePageTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooseSystemCodePageTest, RegistryFirstThenLanguage) {
  MapRegistry registry;
  if (GetParam().acp) {
    registry.values["SYSTEM/CurrentControlSet/Control/Nls/CodePage|ACP"] = GetParam().acp;
  }
  const CodePageChoice choice = ChooseSystemCodePage(&registry, {"", "", "ru_RU.UTF-8"});
  EXPECT_EQ(choice.code_page, GetParam().code_page);
  EXPECT_EQ(choice.unsupported_value, GetParam().unsupported);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ChooseSystemCodePageTest,
    ::testing::Values(ChoiceCase{nullptr, 1251, ""}, ChoiceCase{"", 1251, ""},
                      ChoiceCase{"65001", 65001, ""}, ChoiceCase{"1253", 1253, ""},
                      ChoiceCase{" 874 ", 874, ""}, ChoiceCase{"950", 1251, "950"},
                      ChoiceCase{"1249", 1251, "1249"}, ChoiceCase{"utf-8", 1251, "utf-8"},
                      ChoiceCase{"-1252", 1251, "-1252"}, ChoiceCase{"0x4E4", 1251, "0x4E4"}),
    [](const ::testing::TestParamInfo<ChoiceCase>& info) { return std::to_string(info.index); });

TEST(ChooseSystemCodePage, WithoutRegistryTheLanguageDecides) {
  EXPECT_EQ(ChooseSystemCodePage(nullptr, {"", "el_GR.UTF-8", ""}).code_page, 1253);
}

TEST(UnsupportedCodePageText, NamesTheValueAndThePageUsed) {
  CodePageChoice choice;
  choice.code_page = 1251;
  choice.unsupported_value = "950";
  EXPECT_EQ(UnsupportedCodePageText(choice),
            "The system code page \"950\" is not supported (874, 1250 to 1258 or 65001); code "
            "page 1251 is used.");
}

}  // namespace
}  // namespace orvex
