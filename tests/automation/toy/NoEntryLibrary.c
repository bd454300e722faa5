/* A shared library without the Corvane entry point, for the loader's error path. */
int corvane_test_not_an_entry_point(void)
{
    return 42;
}
