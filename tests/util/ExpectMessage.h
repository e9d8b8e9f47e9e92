// Checks that a call throws a lang::Exception with a given message (and releases it).
#pragma once

#include "lang/Exception.h"

#include <gtest/gtest.h>

#include <string>

template <class Call>
void expectThrowsMessage(Call call, const char* message)
{
    try {
        call();
        ADD_FAILURE() << "no exception; expected \"" << message << "\"";
    } catch (lang::Exception* e) {
        EXPECT_STREQ(e->getMessage().c_str(), message);
        e->release();
    }
}
