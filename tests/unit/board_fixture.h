#pragma once
// Known boards for the rule tests: a fresh game in random mode whose solution
// is then replaced by a picture drawn as text, '#' a bomb and '.' free, one
// string per row.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions.h"
#include "fake_platform.h"
#include "game.h"
#include "layout.h"

inline void dealBoard(int size, const std::vector<std::string>& rows = {})
{
    game.randomMode = 1;
    newGame(size);
    setLayout(size);
    for (int col = 0; col < size; ++col)
        for (int row = 0; row < size; ++row) {
            bool bomb = row < static_cast<int>(rows.size()) && col < static_cast<int>(rows[row].size()) &&
                        rows[row][col] == '#';
            game.solution[col][row] = bomb ? 1 : 0;
            game.cells[col][row] = bomb ? CoveredBomb : Covered;
        }
}

// The client point in the middle of a block.
inline int blockX(int col) { return game.boardLeft + cellAreaInset + blockPixels * col + 7; }
inline int blockY(int row) { return game.boardTop + cellAreaInset + blockPixels * row + 7; }

inline void leftClick(int col, int row)
{
    leftButtonDown(blockX(col), blockY(row), keyLeft, false);
    buttonReleased();
}

inline void rightClick(int col, int row)
{
    rightButtonDown(blockX(col), blockY(row), keyRight);
    buttonReleased();
}

inline void ctrlClick(int col, int row) { leftButtonDown(blockX(col), blockY(row), keyLeft | keyControl, true); }

// Every test starts from fresh game values and a fresh 10 x 10 board with one
// bomb in the bottom right corner (so that no stray click solves it), sound
// on, the first status update done and the recorder emptied.
struct GameTest : ::testing::Test {
    void SetUp() override
    {
        resetFake();
        game = Game();
        game.soundEnabled = true;
        dealBoard(10, {"", "", "", "", "", "", "", "", "", ".........#"});
        statusUpdate();
        fake.calls.clear();
        fake.barDrawnAt.clear();
        fake.hourglassFrames.clear();
    }
    void TearDown() override
    {
        game = Game();
        resetFake();
    }
};
