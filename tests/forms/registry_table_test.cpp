// The shared table of registry cases on the in-memory registry: the answers
// that advapi32 gives on Windows (tests/windows runs the same table there).
#include "forms/system/memory_registry.h"
#include "tests/forms/registry_cases.h"

namespace klonkatron::testing::registry_cases {
namespace {

class MemoryRegistryCases : public ::testing::TestWithParam<Case> {
protected:
    MemoryRegistryCases() {
        for (const Fixture& f : fixtures())
            registry.setValue(kRoot, kKey, f.name, f.type, {f.data.begin(), f.data.end()});
    }
    forms::MemoryRegistry registry;
};

TEST_P(MemoryRegistryCases, AnswersAsAdvapi32) {
    run(registry, GetParam());
    EXPECT_EQ(registry.openHandles(), 0);
}

INSTANTIATE_TEST_SUITE_P(Table, MemoryRegistryCases, ::testing::ValuesIn(cases()), nameOf);

}  // namespace
}  // namespace klonkatron::testing::registry_cases
