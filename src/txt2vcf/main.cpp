#include <cstdio>

#include "txt2vcf/file_stream.h"
#include "txt2vcf/run.h"

int main(int argc, char** argv) {
    using namespace batchvcf::txt2vcf;
    use_binary_mode(stdin);
    use_binary_mode(stdout);
    file_source standard_input(stdin);
    file_sink standard_output(stdout);
    file_sink standard_error(stderr);
    return run_txt2vcf(utf8_arguments(argc, argv), standard_input, standard_output, standard_error);
}
