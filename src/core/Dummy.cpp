int CoreDummy() { return 0; }
