// A module for the module loader's test: one symbol to look up. Built three times: with this
// build's stamp, with another build's, and with none.
#ifdef TEST_MODULE_STAMP
extern "C" __attribute__((visibility("default"))) const char sdwlan_module_stamp[] =
    TEST_MODULE_STAMP;
#endif

extern "C" __attribute__((visibility("default"))) const int sdwlan_test_answer = 42;
