#pragma once

// The Qt Test programs compile the core tests' scripted Interaction in. It reports an unexpected
// question with GoogleTest's failure macros; here they fail the running Qt test function instead.

#include <QTest>

#include <sstream>
#include <string>

namespace tombrel::test {

class QtTestFailure {
public:
    QtTestFailure(const char* file, int line) : file_(file), line_(line) {}
    QtTestFailure(const QtTestFailure&) = delete;
    QtTestFailure& operator=(const QtTestFailure&) = delete;
    ~QtTestFailure() {
        const std::string text = stream_.str();
        QTest::qFail(text.c_str(), file_, line_);
    }
    template <class T> QtTestFailure& operator<<(const T& value) {
        stream_ << value;
        return *this;
    }

private:
    const char* file_;
    int line_;
    std::ostringstream stream_;
};

} // namespace tombrel::test

#define ADD_FAILURE() ::tombrel::test::QtTestFailure(__FILE__, __LINE__)
#define EXPECT_GT(a, b)                                                                            \
    if ((a) > (b)) {                                                                               \
    } else                                                                                         \
        ADD_FAILURE() << #a " > " #b " "
