#include <cstdlib>
#include <gtest/gtest.h>
#include <optional>
#include <string>

#include "common/DecimalNumber.h"
#include "common/WholeNumber.h"

namespace {

TEST(WholeNumber, LeadingBlanksSignAndDigitsOnly) {
  const struct {
    const char *text;
    std::optional<int32_t> value;
  } cases[] = {
      {"0", 0},
      {"63", 63},
      {"   5", 5},
      {"-1", -1},
      {"+7", 7},
      {"007", 7},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"99999999999999999999999", std::nullopt},
      {"5 ", std::nullopt},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"-", std::nullopt},
      {"- 5", std::nullopt},
      {"\t5", std::nullopt},
      {"1.0", std::nullopt},
      {"0x10", std::nullopt},
      {"12a", std::nullopt},
      {"\xEF\xBC\x95", std::nullopt}, // a full-width digit
  };
  for (const auto &c : cases)
    EXPECT_EQ(Whole_Number(c.text), c.value) << '"' << c.text << '"';
}

TEST(TextToFloat, EitherSeparatorReadsTheSameNumber) {
  const struct {
    const char *text;
    bool ok;
    float value;
  } cases[] = {
      {"3.5", true, 3.5f},
      {"3,5", true, 3.5f},
      {"-12", true, -12.0f},
      {" 12.5 ", true, 12.5f},
      {".5", true, 0.5f},
      {"5.", true, 5.0f},
      {"2.5e-2", true, 0.025f},
      {"1E3", true, 1000.0f},
      {"+4", true, 4.0f},
      {"1e-50", true, 0.0f},
      {"3.4e38", true, 3.4e38f},
      {"abc", false, 1.0f},
      {"", false, 1.0f},
      {"1.2.3", false, 1.0f},
      {"1,000.5", false, 1.0f},
      {"1 000", false, 1.0f},
      {"1e", false, 1.0f},
      {"inf", false, 1.0f},
      {"nan", false, 1.0f},
      {"0x10", false, 1.0f},
      {"1e39", false, 1.0f},
      {"-1e39", false, 1.0f},
      {"1e99999999999", false, 1.0f},
  };
  for (const char separator : {',', '.'})
    for (const auto &c : cases) {
      float value = -7.0f;
      EXPECT_EQ(Text_To_Float(c.text, separator, value), c.ok) << c.text;
      EXPECT_EQ(value, c.value) << c.text;
    }
}

class Numeric_Locale : public ::testing::Test {
protected:
  void SetUp() override {
    if (const char *old = std::getenv("LC_ALL"))
      saved_ = old;
  }
  void TearDown() override {
    if (saved_)
      ::setenv("LC_ALL", saved_->c_str(), 1);
    else
      ::unsetenv("LC_ALL");
  }

private:
  std::optional<std::string> saved_;
};

TEST_F(Numeric_Locale, DecimalSeparatorFollowsTheLocale) {
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(Decimal_Separator(), '.');
  // A locale that cannot be loaded gives the comma.
  ::setenv("LC_ALL", "xx_NOWHERE.UTF-8", 1);
  EXPECT_EQ(Decimal_Separator(), ',');
}

} // namespace
