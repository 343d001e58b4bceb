#include <orvane/tools.h>

#include <cstdio>

int main() {
    double value = 0;
    if (!VSTRI_Toolbox::evaluate("3*(2+1.5)", value) || value != 10.5) return 1;
    V_STRING text;
    VSTRI_Toolbox::format(value, text);
    std::printf("%s\n", text.data());
    return text == "10.5" ? 0 : 1;
}
