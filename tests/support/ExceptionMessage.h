// The message of the exception a piece of code raises, for tests of error texts.
#pragma once

#include <gtest/gtest.h>

#include <QString>

// The message of the exception E that Action raises; fails the test when none is raised.
template <typename E, typename F>
QString MessageOf(F&& Action)
{
    try {
        Action();
    } catch (const E& e) {
        return e.Message();
    }
    ADD_FAILURE() << "no exception";
    return QString();
}
