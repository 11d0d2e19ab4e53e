#include "platform/registry/registry_api.h"

#include <gtest/gtest.h>

#include "platform/registry/registry_store.h"

TEST(RegistryApi, Compiles) { RegistryStore::Instance().Reset(); }
