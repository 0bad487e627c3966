# The daylight-saving cases run in a zone that changes its clocks: Wine takes the zone from TZ.
gtest_discover_tests(test_fw DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60 TEST_FILTER "DaylightSaving.*"
                     PROPERTIES TIMEOUT 120 ENVIRONMENT "TZ=Europe/Berlin")
