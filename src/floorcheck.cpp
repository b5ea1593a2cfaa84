// Linked with every object of one floor and only the floors below it: when a
// floor calls into a floor above or beside it, this program fails to link.
int main()
{
    return 0;
}
