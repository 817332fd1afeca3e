#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/value_services.h"

namespace {

class ValueServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { SetRandomState(1); }
};

TEST_F(ValueServicesTest, GeneratorStartsWithTheKnownSequence) {
  const int expected[] = {41, 18467, 6334, 26500, 19169};
  for (int value : expected) EXPECT_EQ(NextRandom(), value);
}

TEST_F(ValueServicesTest, FirstFinalNumberAfterStartIs42) { EXPECT_EQ(RandomInt(1, 7000), 42); }

// Each row compares a call from the start state with the call it must behave
// like, and checks that both leave the generator in the same place.
struct EquivalentBounds {
  int32_t lo, hi, sameLo, sameHi;
};

TEST_F(ValueServicesTest, BoundsAreOrderedAndClampedAtZero) {
  const EquivalentBounds cases[] = {
      {7000, 1, 1, 7000},
      {-3, 2, 0, 2},
      {2, -3, 0, 2},
      {-5, -1, 0, 0},
      {1001, 2000, 1001, 2000},
  };
  for (const auto& c : cases) {
    SetRandomState(1);
    const int32_t value = RandomInt(c.lo, c.hi);
    const uint32_t stateAfter = RandomState();
    SetRandomState(1);
    EXPECT_EQ(value, RandomInt(c.sameLo, c.sameHi)) << c.lo << ".." << c.hi;
    EXPECT_EQ(stateAfter, RandomState()) << c.lo << ".." << c.hi;
  }
}

TEST_F(ValueServicesTest, EqualBoundsDoNotStepTheGenerator) {
  EXPECT_EQ(RandomInt(5, 5), 5);
  EXPECT_EQ(RandomState(), 1u);
  EXPECT_EQ(RandomInt(-3, -7), 0);  // both clamp to 0
  EXPECT_EQ(RandomState(), 1u);
}

TEST_F(ValueServicesTest, WidestRangeDoesNotOverflow) {
  // Catches n + 1 computed as INT32_MAX + 1 (undefined, and a modulo by a
  // negative number) for the bounds 0 and INT32_MAX.
  EXPECT_EQ(RandomInt(0, std::numeric_limits<int32_t>::max()), 41);
}

TEST_F(ValueServicesTest, ResultsStayInsideTheirRange) {
  for (int i = 0; i < 20000; ++i) {
    const int32_t v = RandomInt(1001, 2000);
    ASSERT_GE(v, 1001);
    ASSERT_LE(v, 2000);
  }
}

TEST(ToTextTest, Integers) {
  const struct {
    int32_t value;
    const char* text;
  } cases[] = {
      {0, "0"}, {5, "5"}, {-5, "-5"}, {361, "361"}, {2147483647, "2147483647"}, {INT32_MIN, "-2147483648"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToText(c.value), c.text) << c.text;
}

TEST(ToTextTest, RealsAsThirteenSignificantDigits) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {6.0, "6"},
      {870.0, "870"},
      {-2.5, "-2.5"},
      {1.0 / 3.0, "0.3333333333333"},
      {2.0 / 3.0, "0.6666666666667"},
      {1e13, "1e+013"},
      {0.000015, "1.5e-005"},
      {0.0001, "0.0001"},
      {0.00001, "1e-005"},
      {9999999999999.0, "9999999999999"},
      {1e12, "1000000000000"},
      {123456.789, "123456.789"},
      {0.1 + 0.2, "0.3"},
      {0.0, "0"},
      {-0.0, "-0"},
      {214748364.7, "214748364.7"},
      {-214748364.8, "-214748364.8"},
      {1.7976931348623157e308, "1.797693134862e+308"},
      {2.2250738585072014e-308, "2.225073858507e-308"},
      {4.9406564584124654e-324, "4.940656458412e-324"},
      {1.5e100, "1.5e+100"},
      {-1e-100, "-1e-100"},
  };
  for (const auto& c : cases) EXPECT_EQ(ToText(c.value), c.text) << c.text;
}

TEST(ToTextTest, NonFiniteReals) {
  EXPECT_EQ(ToText(std::numeric_limits<double>::infinity()), "inf");
  EXPECT_EQ(ToText(-std::numeric_limits<double>::infinity()), "-inf");
  EXPECT_EQ(ToText(std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(ToTextTest, TextIsCopied) {
  const Text original = "\xC8\xD9";
  Text copy = ToText(original);
  copy[0] = 'x';
  EXPECT_EQ(original, "\xC8\xD9");
}

TEST(TruncToIntTest, DropsTheFractionTowardZero) {
  const struct {
    double value;
    int32_t expected;
  } cases[] = {
      {2.7, 2},
      {-2.7, -2},
      {0.999, 0},
      {-0.5, 0},
      {0.0, 0},
      {360.0, 360},
      {2147483647.9, 2147483647},
      {-2147483648.9, INT32_MIN},
      // Outside the int32 range, where a plain cast is undefined.
      {2147483648.0, INT32_MIN},
      {-2147483649.0, INT32_MIN},
      {1e300, INT32_MIN},
      {std::numeric_limits<double>::infinity(), INT32_MIN},
      {std::numeric_limits<double>::quiet_NaN(), INT32_MIN},
  };
  for (const auto& c : cases) EXPECT_EQ(TruncToInt(c.value), c.expected) << c.value;
}

}  // namespace
