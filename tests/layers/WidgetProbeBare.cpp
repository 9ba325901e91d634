// Must not compile in a widget-free layer (tests/layers/CMakeLists.txt).
#include <QPushButton>
