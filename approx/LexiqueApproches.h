#pragma once
// What the approximate-search engine needs from the lexicon it is bound to.
// The ranking only asks whether a lexicon is there at all: with none, every
// candidate is at distance 0. The full lexicon (database side, personal word
// list) derives from this interface.
class LexiqueApproches {
public:
    virtual ~LexiqueApproches() = default;
};

// A lexicon with neither database nor personal list: enough to turn the
// distance ranking on, for the tools and the tests.
class LexiqueMinimal : public LexiqueApproches {};
