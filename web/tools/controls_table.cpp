// controls_table.cpp: prints the program's list of controls as the rows of the page's HTML table,
// so the page shows the very list that --help prints.
#include <cstdio>

#include "app/usage.h"

namespace {

void printEscaped(const char* text) {
    for (const char* c = text; *c != '\0'; ++c) {
        switch (*c) {
            case '&': std::fputs("&amp;", stdout); break;
            case '<': std::fputs("&lt;", stdout); break;
            case '>': std::fputs("&gt;", stdout); break;
            default: std::putchar(*c); break;
        }
    }
}

}  // namespace

int main() {
    for (const Control& control : CONTROLS) {
        std::fputs("          <tr><th scope=\"row\">", stdout);
        printEscaped(control.input);
        std::fputs("</th><td>", stdout);
        printEscaped(control.effect);
        std::fputs("</td></tr>\n", stdout);
    }
    return 0;
}
