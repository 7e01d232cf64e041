// Writes a synthetic KVF file of about N lines to standard output, for timing kvfcheck as a
// whole: kvf_synthetic 100000 > ACME1234.kvf && time kvfcheck ACME1234.kvf

#include "SyntheticKvf.h"

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    std::cout << kvf::bench::SyntheticKvf(lines > 0 ? lines : 100000);
    return 0;
}
