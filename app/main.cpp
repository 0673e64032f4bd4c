// Entry point of the KT20418 configurator.
int main(int, char**)
{
    return 0;
}
