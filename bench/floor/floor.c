/* The floor of the benchmark: a program that does nothing, linked as each
 * measured program is, so that what a program costs above it is its own
 * work and not the process start that every program pays. */
int main(void)
{
    return 0;
}
