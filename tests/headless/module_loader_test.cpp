#include "main/module_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using ::testing::HasSubstr;

// The test modules lie beside the test program, where the loader looks first.
TEST(ModuleLoader, UsesOnlyAModuleOfThisBuild) {
    std::string error;
    const void* answer = ModuleSymbol("sdwlan-test-this.so", "sdwlan_test_answer", error);
    ASSERT_NE(answer, nullptr) << error;
    EXPECT_EQ(*static_cast<const int*>(answer), 42);
    EXPECT_EQ(ModuleSymbol("sdwlan-test-this.so", "no_such_symbol", error), nullptr);
    EXPECT_THAT(error, HasSubstr("has no no_such_symbol"));

    EXPECT_EQ(ModuleSymbol("sdwlan-test-other.so", "sdwlan_test_answer", error), nullptr);
    EXPECT_THAT(error, HasSubstr("is from another build of the program (build 0123456789abcdef"));
    // Asked again, the refusal is remembered rather than the module loaded anew.
    EXPECT_EQ(ModuleSymbol("sdwlan-test-other.so", "sdwlan_test_answer", error), nullptr);
    EXPECT_THAT(error, HasSubstr("another build"));

    EXPECT_EQ(ModuleSymbol("sdwlan-test-unstamped.so", "sdwlan_test_answer", error), nullptr);
    EXPECT_THAT(error, HasSubstr("has no build stamp"));

    EXPECT_EQ(ModuleSymbol("sdwlan-test-absent.so", "sdwlan_test_answer", error), nullptr);
    EXPECT_THAT(error, HasSubstr("sdwlan-test-absent.so is not installed"));
}
