// Where the unit tests find the built module, qbhost, the test data and the
// real LightWave files: the environment wins, else the paths of this build.
#include <cstdlib>

namespace {

struct DefaultEnvironment {
  DefaultEnvironment() {
    setenv("QB_REALDATA", QB_DEFAULT_REALDATA, 0);
    setenv("QB_TEST_DATA", QB_DEFAULT_TEST_DATA, 0);
    setenv("QB_PLUGIN", QB_DEFAULT_PLUGIN, 0);
    setenv("QB_QBHOST", QB_DEFAULT_QBHOST, 0);
  }
};

const DefaultEnvironment default_environment;

}  // namespace
