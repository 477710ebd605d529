#include "txt2vcf/byte_stream.h"

namespace batchvcf::txt2vcf {

std::size_t chained_source::read(char* buffer, std::size_t capacity) {
    if (!first_done_) {
        const std::size_t count = first_.read(buffer, capacity);
        if (count != 0 || first_.failed()) return count;
        first_done_ = true;
    }
    return second_.read(buffer, capacity);
}

std::string chained_source::failure_reason() const {
    return first_.failed() ? first_.failure_reason() : second_.failure_reason();
}

}  // namespace batchvcf::txt2vcf
