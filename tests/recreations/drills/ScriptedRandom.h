#pragma once
// A random source that answers from a script, so a test fixes every number
// a game draws. Past the script it answers 0. It fails the test when a
// scripted value is not below the bound asked for.
#include "recreations/drills/DrillGames.h"

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <vector>

namespace tv::test {

struct ScriptedRandom {
    std::shared_ptr<std::deque<std::uint32_t>> values = std::make_shared<std::deque<std::uint32_t>>();
    std::shared_ptr<std::vector<std::uint32_t>> bounds = std::make_shared<std::vector<std::uint32_t>>();

    void push(std::initializer_list<std::uint32_t> v) { values->insert(values->end(), v.begin(), v.end()); }

    drills::RandomBelow source() const
    {
        return [values = values, bounds = bounds](std::uint32_t n) -> std::uint32_t {
            bounds->push_back(n);
            if (values->empty())
                return 0;
            const std::uint32_t v = values->front();
            values->pop_front();
            EXPECT_LT(v, n) << "scripted value out of range";
            return v;
        };
    }
};

} // namespace tv::test
